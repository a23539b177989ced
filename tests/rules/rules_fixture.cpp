// rules_fixture.cpp: a map per test, the hooks that record sounds and removals.
#include "tests/rules/rules_fixture.h"
#include "audio/sound.h"
#include "rules/console.h"
#include "test_map.h"
#include "rules/play_tick.h"

#include <algorithm>

namespace {

std::vector<std::string> soundLog;
std::vector<std::string> removedLog;
std::string consoleLog;

void recordSound(SoundAction action, Sound sound) {
    const char *verb = action == SoundAction::Play     ? "play "
                       : action == SoundAction::Resume ? "resume "
                                                       : "stop ";
    soundLog.push_back(verb + std::string(soundName(sound)));
}

void recordRemoved(int column, int row) {
    removedLog.push_back(std::to_string(column) + "," + std::to_string(row));
}

void recordConsole(const char *text) {
    consoleLog += text;
}

} // namespace

void RulesTest::SetUp() {
    releaseAllKeys();
    soundActionHook = recordSound;
    objectRemovedHook = recordRemoved;
    consoleHook = recordConsole;
    consoleEcho = false;
    clearRecord();
}

void RulesTest::TearDown() {
    freeWorld();
    releaseAllKeys();
    soundActionHook = nullptr;
    objectRemovedHook = nullptr;
    consoleHook = nullptr;
    consoleEcho = true;
}

void RulesTest::load(const std::vector<std::string> &lines) {
    ASSERT_TRUE(loadTestMap(lines));
    clearRecord();
}

void RulesTest::hold(std::initializer_list<int> keys) {
    releaseAllKeys();
    for (int key : keys)
        setKeyDown(key, true);
}

void RulesTest::frame() {
    stepPlayTick();
}

void RulesTest::frames(int count) {
    for (int i = 0; i < count; i++)
        frame();
}

const std::vector<std::string> &RulesTest::sounds() const {
    return soundLog;
}
const std::vector<std::string> &RulesTest::removed() const {
    return removedLog;
}
const std::string &RulesTest::console() const {
    return consoleLog;
}

void RulesTest::clearRecord() {
    soundLog.clear();
    removedLog.clear();
    consoleLog.clear();
}

int RulesTest::count(const std::string &action) const {
    return static_cast<int>(std::count(soundLog.begin(), soundLog.end(), action));
}
