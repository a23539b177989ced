// script.h: the replay tool's input script: lines of "N KEY KEY ..." (keys held for N frames).
#pragma once

#include <string>
#include <vector>

// One instruction: for the next `frames` play frames exactly `keys` are held.
struct ScriptStep {
    long long frames;      // 1 or more
    std::vector<int> keys; // Windows virtual-key codes, 0..255
};

// Read a whole script. On a bad line returns false with `error` saying the line number and
// what is wrong; `steps` then holds the steps before it.
bool parseScript(const std::string &text, std::vector<ScriptStep> &steps, std::string &error);
