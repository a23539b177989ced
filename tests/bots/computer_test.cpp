// computer_test.cpp: the computer player on the farm: it only ever holds keys (a round of two
// computers plays back the same from the held keys alone), it is repeatable, and hard beats
// easy.
#include "bots/computer_player.h"
#include "input/keys.h"
#include "input/script.h"
#include "rules/cow.h"
#include "rules/play_tick.h"
#include "test_data.h"
#include "world/grids.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void loadFarm() {
    const std::string path = testDataFile(GameMapPath);
    ASSERT_TRUE(loadMap(path.c_str()));
}

// Both cows as exactly as the rules keep them.
std::string state() {
    std::string text;
    char line[256];
    for (const Cow *cow : {cow1, cow2}) {
        std::snprintf(line, sizeof line, "%a %a %a %d %a %d %d %d %d %d;", cow->x, cow->y, cow->z,
                      cow->facing, cow->stamina, cow->carriedHay, cow->bankedHay, cow->won,
                      cow->stunned, cow->gateBroken);
        text += line;
    }
    return text;
}

struct Round {
    std::vector<std::vector<int>> keys; // held in each tick
    std::vector<std::string> states;    // after each tick
    int winner = 0;
};

// `ticks` ticks (or until a win) of two computers on the farm.
Round playComputers(ComputerLevel one, ComputerLevel two, unsigned seed, int ticks) {
    Round round;
    loadFarm();
    ComputerPlayer *players[2] = {startComputer(1, one, seed), startComputer(2, two, seed)};
    for (int tick = 0; tick < ticks && !cow1->won && !cow2->won; tick++) {
        releaseAllKeys();
        computerHoldKeys(players[0]);
        computerHoldKeys(players[1]);
        round.keys.push_back(heldKeys());
        stepPlayTick();
        round.states.push_back(state());
    }
    round.winner = cow1->won ? 1 : cow2->won ? 2 : 0;
    stopComputer(players[0]);
    stopComputer(players[1]);
    releaseAllKeys();
    return round;
}

} // namespace

TEST(Computer, ARoundPlaysBackFromTheKeysAlone) {
    const Round round = playComputers(ComputerLevel::Hard, ComputerLevel::Normal, 3, 1500);
    loadFarm();
    const std::vector<int> actions = {cow1->keyUp,   cow1->keyDown,  cow1->keyLeft, cow1->keyRight,
                                      cow1->keyJump, cow1->keyButt,  cow2->keyUp,   cow2->keyDown,
                                      cow2->keyLeft, cow2->keyRight, cow2->keyJump, cow2->keyButt};
    for (size_t tick = 0; tick < round.keys.size(); tick++) {
        for (int code : round.keys[tick]) // only the cows' action keys, never the controls
            ASSERT_NE(std::find(actions.begin(), actions.end(), code), actions.end()) << code;
        holdScriptKeys({1, round.keys[tick]});
        stepPlayTick();
        ASSERT_EQ(state(), round.states[tick]) << "tick " << tick + 1;
    }
    releaseAllKeys();
}

TEST(Computer, TheSameSeedGivesTheSameKeys) {
    const Round first = playComputers(ComputerLevel::Normal, ComputerLevel::Easy, 7, 800);
    const Round again = playComputers(ComputerLevel::Normal, ComputerLevel::Easy, 7, 800);
    EXPECT_EQ(first.keys, again.keys);
    const Round other = playComputers(ComputerLevel::Normal, ComputerLevel::Easy, 8, 800);
    EXPECT_NE(first.keys, other.keys);
}

TEST(Computer, HardBeatsEasyOnTheFarm) {
    int hardWins = 0;
    for (unsigned seed = 1; seed <= 10; seed++) {
        const bool hardIsCow1 = seed % 2 == 1;
        const Round round =
            playComputers(hardIsCow1 ? ComputerLevel::Hard : ComputerLevel::Easy,
                          hardIsCow1 ? ComputerLevel::Easy : ComputerLevel::Hard, seed, 12000);
        hardWins += round.winner == (hardIsCow1 ? 1 : 2);
    }
    EXPECT_GE(hardWins, 8);
}

TEST(Computer, LevelNames) {
    ComputerLevel level = ComputerLevel::Normal;
    for (ComputerLevel l : {ComputerLevel::Easy, ComputerLevel::Normal, ComputerLevel::Hard}) {
        ASSERT_TRUE(parseComputerLevel(computerLevelName(l), level));
        EXPECT_EQ(level, l);
    }
    EXPECT_FALSE(parseComputerLevel("Hard", level));
    EXPECT_FALSE(parseComputerLevel("", level));
    EXPECT_EQ(startComputer(3, ComputerLevel::Hard, 1), nullptr);
}
