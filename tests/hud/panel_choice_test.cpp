// panel_choice_test.cpp: which panel a half shows, the controls screen's key labels for both
// players and for every key code they list, and the introduction's hint.
#include "hud/panels.h"
#include "input/controls.h"
#include "rules/cow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(PanelChoice, IntroductionComesFirstThenControlsThenBannersThenPlay) {
    // the introduction wins over everything while it lasts
    EXPECT_EQ(chooseHudPanel(0, true, true, true), HudPanel::Introduction);
    EXPECT_EQ(chooseHudPanel(HudIntroPasses - 1, true, false, false), HudPanel::Introduction);
    // then the controls key wins over the banners
    EXPECT_EQ(chooseHudPanel(HudIntroPasses, true, true, false), HudPanel::Controls);
    EXPECT_EQ(chooseHudPanel(HudIntroPasses, true, false, true), HudPanel::Controls);
    // the winner and the loser
    EXPECT_EQ(chooseHudPanel(HudIntroPasses, false, true, false), HudPanel::WinBanner);
    EXPECT_EQ(chooseHudPanel(HudIntroPasses + 50, false, false, true), HudPanel::LoseBanner);
    EXPECT_EQ(chooseHudPanel(HudIntroPasses, false, true, true), HudPanel::WinBanner);
    EXPECT_EQ(chooseHudPanel(HudIntroPasses, false, false, false), HudPanel::Play);
    EXPECT_EQ(HudIntroPasses, 200); // two passes a frame: the first 100 frames of a round
}

// Cows made as the map loader makes them, on a grass cell.
class PlayerCows : public testing::Test {
  protected:
    void SetUp() override {
        TileGrid[4][4] = createTile('_', 4, 4);
        first = createCow('1', 4, 4);
        second = createCow('2', 4, 4);
    }
    void TearDown() override {
        delete first;
        delete second;
        delete TileGrid[4][4];
        TileGrid[4][4] = nullptr;
    }
    std::vector<std::string> labels() const {
        return std::vector<std::string>(std::begin(ControlLabels), std::end(ControlLabels));
    }
    Cow *first = nullptr;
    Cow *second = nullptr;
};

TEST_F(PlayerCows, EachPlayerSeesItsOwnKeysRefilledFromTheSharedLines) {
    const std::vector<std::string> cow1Lines = {"UP: UP",       "DOWN: DOWN",   "LEFT: LEFT",
                                                "RIGHT: RIGHT", "JUMP: INSERT", "ATTACK: DELETE"};
    const std::vector<std::string> cow2Lines = {"UP: 'W'",    "DOWN: 'S'", "LEFT: 'A'",
                                                "RIGHT: 'D'", "JUMP: 'T'", "ATTACK: 'F'"};
    fillControlLabels(first);
    EXPECT_EQ(labels(), cow1Lines);
    fillControlLabels(second);
    EXPECT_EQ(labels(), cow2Lines);
    fillControlLabels(first);
    EXPECT_EQ(labels(), cow1Lines);
}

TEST_F(PlayerCows, EveryListedKeyCodeGetsItsLabel) {
    struct Case {
        int Cow::*key;
        ControlLine line;
        int code;
        const char *label;
    };
    const Case cases[] = {
        {&Cow::keyUp, UpLine, 38, "UP: UP"},
        {&Cow::keyUp, UpLine, 87, "UP: 'W'"},
        {&Cow::keyDown, DownLine, 40, "DOWN: DOWN"},
        {&Cow::keyDown, DownLine, 83, "DOWN: 'S'"},
        {&Cow::keyLeft, LeftLine, 37, "LEFT: LEFT"},
        {&Cow::keyLeft, LeftLine, 65, "LEFT: 'A'"},
        {&Cow::keyRight, RightLine, 39, "RIGHT: RIGHT"},
        {&Cow::keyRight, RightLine, 68, "RIGHT: 'D'"},
        {&Cow::keyJump, JumpLine, 161, "JUMP: RSHIFT"},
        {&Cow::keyJump, JumpLine, 45, "JUMP: INSERT"},
        {&Cow::keyJump, JumpLine, 160, "JUMP: LSHIFT"},
        {&Cow::keyJump, JumpLine, 84, "JUMP: 'T'"},
        {&Cow::keyButt, AttackLine, 163, "ATTACK: RCTRL"},
        {&Cow::keyButt, AttackLine, 46, "ATTACK: DELETE"},
        {&Cow::keyButt, AttackLine, 162, "ATTACK: LCTRL"},
        {&Cow::keyButt, AttackLine, 70, "ATTACK: 'F'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        fillControlLabels(second); // every line holds a known text
        const std::vector<std::string> before = labels();
        Cow cow = *second;
        cow.*c.key = c.code;
        fillControlLabels(&cow);
        std::vector<std::string> expected = before;
        expected[c.line] = c.label;
        EXPECT_EQ(labels(), expected); // that line only
    }
}

TEST_F(PlayerCows, TheHintNamesEachPlayersControlsKey) {
    EXPECT_STREQ(controlsHint(first), "Hit F12 for controls during game");
    EXPECT_STREQ(controlsHint(second), "Hit F1 for controls during game");
}

TEST_F(PlayerCows, RebindingShowsTheBoundKeysOnBothScreens) {
    std::vector<ControlsProblem> problems;
    setControls(readControls("cow2.jump = G\ncow2.controls = F5\ncow1.butt = comma\n", problems));
    ASSERT_TRUE(problems.empty());
    fillControlLabels(second);
    EXPECT_STREQ(ControlLabels[JumpLine], "JUMP: 'G'");
    EXPECT_STREQ(controlsHint(second), "Hit F5 for controls during game");
    fillControlLabels(first);
    EXPECT_STREQ(ControlLabels[AttackLine], "ATTACK: ','");
    setControls(defaultControls());
}

} // namespace
