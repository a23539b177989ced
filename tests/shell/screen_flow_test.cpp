// screen_flow_test.cpp: splash, title and play screens, the SPACE latch, N and ESC,
// the tick clock and the frame-rate line.
#include "audio/sound.h"
#include "hud/hud.h"
#include "rules/cow.h"
#include "input/controls.h"
#include "input/keys.h"
#include "shell/computer_round.h"
#include "shell/screen_flow.h"
#include "shell/title_menu.h"
#include "shell/view_layout.h"
#include "world/grids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> soundLog;

void recordSound(SoundAction action, Sound sound) {
    const char *verb = action == SoundAction::Play   ? "play"
                       : action == SoundAction::Stop ? "stop"
                                                     : "resume";
    soundLog.push_back(std::string(verb) + " " + soundName(sound));
}

// Each test runs in a fresh folder holding a small map, with the screen flags at their start.
class ScreenFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        oldDir = fs::current_path();
        dir = fs::temp_directory_path() / ("pasturon-flow-" + std::to_string(getpid()));
        fs::create_directories(dir / "_maps");
        writeMap("_._1_2_.\n_._._._.\n");
        fs::current_path(dir);
        showSplash = true;
        showTitle = playing = spaceReleased = false;
        releaseAllKeys();
        soundLog.clear();
        soundActionHook = recordSound;
        ASSERT_TRUE(loadMap(GameMapPath));
    }
    void TearDown() override {
        soundActionHook = nullptr;
        freeWorld();
        releaseAllKeys();
        fs::current_path(oldDir);
        fs::remove_all(dir);
    }
    void writeMap(const std::string &text) {
        std::ofstream(dir / "_maps" / "Map02.map", std::ios::binary) << text;
    }
    // One displayed frame's key handling, as the display callback runs it.
    void frame() {
        if (showSplash)
            splashKeys();
        else if (showTitle)
            titleKeys();
        pollNewGameKey();
    }
    // Frames with N held, then one with it released; what went to standard error meanwhile.
    std::string holdNewGameKey(int frames) {
        setKeyDown(VK_N, true);
        testing::internal::CaptureStderr();
        for (int i = 0; i < frames; i++)
            frame();
        std::string err = testing::internal::GetCapturedStderr();
        setKeyDown(VK_N, false);
        frame();
        return err;
    }
    fs::path oldDir, dir;
};

TEST_F(ScreenFlow, SpaceHeldFromTheSplashStopsAtTheTitleUntilReleasedAndPressedAgain) {
    setKeyDown(VK_Space, true);
    frame();
    EXPECT_FALSE(showSplash);
    EXPECT_TRUE(showTitle);
    for (int i = 0; i < 5; i++) // still held: the title stays
        frame();
    EXPECT_TRUE(showTitle);
    EXPECT_FALSE(playing);
    setKeyDown(VK_Space, false);
    frame();
    EXPECT_TRUE(spaceReleased);
    EXPECT_TRUE(showTitle);
    setKeyDown(VK_Space, true);
    frame();
    EXPECT_FALSE(showTitle);
    EXPECT_TRUE(playing);
    EXPECT_EQ(soundLog,
              (std::vector<std::string>{"stop SplashScreen", "play GameStart", "play Ambient"}));
}

TEST_F(ScreenFlow, NewGameOnTheSplashRebuildsTheWorldAndKeepsTheSplash) {
    Cow *before = cow1;
    before->carriedHay = 7;
    hudIntroCounter = 150;
    setKeyDown(VK_N, true);
    frame();
    EXPECT_TRUE(showSplash); // the splash keeps priority ...
    EXPECT_TRUE(showTitle);  // ... over the title that N set
    EXPECT_EQ(cow1->carriedHay, 0);
    EXPECT_EQ(hudIntroCounter, 0);
    EXPECT_TRUE(soundLog.empty()); // N neither stops nor starts a sound
    setKeyDown(VK_N, false);
    setKeyDown(VK_Space, true);
    frame();
    EXPECT_FALSE(showSplash);
    EXPECT_TRUE(showTitle);
}

TEST_F(ScreenFlow, NewGameHeldRebuildsOnEveryFrameAndReturnsToTheTitle) {
    showSplash = false;
    playing = true;
    spaceReleased = true;
    setKeyDown(VK_N, true);
    for (int i = 0; i < 3; i++) {
        cow2->bankedHay = 30;
        frame();
        EXPECT_EQ(cow2->bankedHay, 0) << "frame " << i;
    }
    EXPECT_FALSE(playing);
    EXPECT_TRUE(showTitle);
    // after N the latch is still set: SPACE starts play on the first frame it is down
    setKeyDown(VK_N, false);
    setKeyDown(VK_Space, true);
    frame();
    EXPECT_TRUE(playing);
}

TEST_F(ScreenFlow, TheTitlesKeysChooseTheLevelAndStartARoundAgainstTheComputerOrOfTwo) {
    showSplash = false;
    showTitle = true;
    screenChanged = false;
    setKeyDown('3', true); // the level: the title is drawn again to name it
    frame();
    EXPECT_EQ(chosenComputerLevel(), ComputerLevel::Hard);
    EXPECT_TRUE(screenChanged);
    EXPECT_TRUE(showTitle);
    setKeyDown('3', false);
    setKeyDown(VK_Computer, true);
    frame();
    EXPECT_TRUE(playing);
    EXPECT_TRUE(againstComputer());
    EXPECT_EQ(oneViewCow(), 1); // the person's view fills the window ...
    EXPECT_EQ(playedCow(), 1);  // ... and both key sets drive cow 1
    setKeyDown(VK_Computer, false);
    holdComputerKeys(); // the computer holds cow 2's keys, and only through its own source
    for (int code : {VK_Up, VK_Down, VK_Left, VK_Right, VK_Insert, VK_Delete})
        EXPECT_FALSE(isKeyDown(code));
    setKeyDown(VK_View, true); // V: the split screen, and back on the next press
    pollViewKey();
    EXPECT_EQ(oneViewCow(), 0);
    pollViewKey();
    EXPECT_EQ(oneViewCow(), 0);
    setKeyDown(VK_View, false);
    pollViewKey();
    setKeyDown(VK_View, true);
    pollViewKey();
    EXPECT_EQ(oneViewCow(), 1);
    setKeyDown(VK_View, false);

    setKeyFrom(ComputerSource, 'W', true);
    setKeyDown(VK_N, true); // a new game: the computer goes with its world, its keys let go
    frame();
    setKeyDown(VK_N, false);
    EXPECT_TRUE(showTitle);
    for (int code : {'W', 'S', 'A', 'D', 'T', 'F'})
        EXPECT_FALSE(isKeyDown(code));
    spaceReleased = true;
    setKeyDown(VK_Space, true); // SPACE: two players, as always
    frame();
    EXPECT_TRUE(playing);
    EXPECT_FALSE(againstComputer());
    EXPECT_EQ(oneViewCow(), 0);
    EXPECT_EQ(playedCow(), 0);
    setKeyDown(VK_View, true); // the view key does nothing in a round of two
    pollViewKey();
    EXPECT_EQ(oneViewCow(), 0);
}

size_t linesIn(const std::string &text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(ScreenFlow, NewGameWithARefusedMapKeepsTheRoundAndSaysSoOncePerPress) {
    showSplash = false;
    playing = true;
    cow1->bankedHay = 12;
    writeMap("_._.\n"); // no cows: refused
    std::string err = holdNewGameKey(5);
    EXPECT_NE(err.find("Map02.map"), std::string::npos) << err;
    EXPECT_EQ(linesIn(err), 1u) << err; // held for 5 frames, refused once
    EXPECT_TRUE(playing);
    EXPECT_EQ(cow1->bankedHay, 12);
    EXPECT_EQ(holdNewGameKey(3), err); // a new press tries again
    writeMap("_._1_2_.\n");            // mended: the next press starts over
    EXPECT_EQ(holdNewGameKey(1), "");
    EXPECT_TRUE(showTitle);
    EXPECT_EQ(cow1->bankedHay, 0);
}

TEST_F(ScreenFlow, EscapeEndsTheProcessWithStatusOne) {
    setKeyDown(VK_Escape, true);
    EXPECT_EXIT(pollQuitKey(), ::testing::ExitedWithCode(1), "");
}

TEST(TickClock, ATickPer51msTheMissedOnesCaughtUpFiveAtMost) {
    resetFrameClocks();
    int wait = -1;
    EXPECT_FALSE(tickDue(1000, &wait)); // the first call only starts the clock
    EXPECT_EQ(wait, 51);
    EXPECT_FALSE(tickDue(1050, &wait)); // exactly 50 ms: not yet
    EXPECT_EQ(wait, 1);
    EXPECT_EQ(takeDueTicks(1050, 99), 0);
    EXPECT_TRUE(tickDue(1051, &wait));
    EXPECT_EQ(takeDueTicks(1051, 99), 1);
    EXPECT_FALSE(tickDue(1060, &wait));
    EXPECT_EQ(wait, 42);
    // a late wake-up keeps the beat: the next tick is still due at 1153
    EXPECT_EQ(takeDueTicks(1110, 99), 1);
    EXPECT_FALSE(tickDue(1152, &wait));
    EXPECT_EQ(wait, 1);
    // drawing fell behind: the ticks missed are taken together, as many as asked for
    EXPECT_EQ(takeDueTicks(1260, 99), 3); // 1153, 1204, 1255
    EXPECT_EQ(takeDueTicks(1412, 2), 2);  // 1306, 1357; the one of 1408 waits
    EXPECT_TRUE(tickDue(1412, &wait));
    EXPECT_EQ(takeDueTicks(1412, 99), 1);
    // a stall: five ticks, the rest forgotten, the next one a tick after now
    EXPECT_EQ(takeDueTicks(3412, 99), MaxTicksInARow);
    EXPECT_FALSE(tickDue(3462, &wait));
    EXPECT_TRUE(tickDue(3463, &wait));
}

TEST(FrameClock, FrameRateLineAfterMoreThanASecondCountsEveryFrame) {
    resetFrameClocks();
    testing::internal::CaptureStdout();
    for (int t = 0; t <= 1000; t += 50) // 21 frames, 0 .. 1000 ms: no line yet
        countFrame(t);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    testing::internal::CaptureStdout();
    countFrame(1001); // 22nd frame, 1001 ms after the first
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " 22.0 fps (22)\n");
    testing::internal::CaptureStdout();
    for (int t = 1051; t <= 2001; t += 50) // 20 frames, the last exactly 1000 ms on
        countFrame(t);
    countFrame(2002); // 21 frames over 1001 ms
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " 21.0 fps (21)\n");
}

} // namespace
