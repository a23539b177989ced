// rules_fixture.h: a small map per test, the key table, and a record of what the rules did.
#pragma once

#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"
#include "input/keys.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

class RulesTest : public ::testing::Test {
  public:
    void SetUp() override;
    void TearDown() override;

    // Load a map given as its lines (two characters per cell, no line feeds).
    void load(const std::vector<std::string> &lines);
    // Hold exactly these keys from now on.
    void hold(std::initializer_list<int> keys);
    // One play frame: both cows' updates, then the ground following of the drawing.
    void frame();
    void frames(int count);
    // The sound actions, removed cells and console text recorded since the last clear.
    const std::vector<std::string> &sounds() const;
    const std::vector<std::string> &removed() const;
    const std::string &console() const;
    void clearRecord();
    // How often the action (e.g. "play CowHBSoundSource") was recorded.
    int count(const std::string &action) const;
};
