// demo_test.cpp: a played demo without a window: the --shot values, each tick's keys from the
// script, and the catching up that stops at the frames a shot or the script's end must draw.
#include "input/keys.h"
#include "shell/demo.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(DemoOptions, AShotNeedsAPlayFrameAndAFile) {
    std::string error;
    for (const char *bad : {"0:a.png", "12", "12:", ":a.png", "x:a.png", "-3:a.png"}) {
        EXPECT_FALSE(takeShotOption(bad, error)) << bad;
        EXPECT_NE(error.find(bad), std::string::npos) << error;
    }
}

TEST(DemoPlay, EachTickTakesTheNextFrameAndCatchingUpStopsAtFramesToDraw) {
    const std::string dir = testing::TempDir();
    const std::string script = dir + "pasturon-demo-test.txt";
    std::FILE *file = std::fopen(script.c_str(), "w");
    ASSERT_TRUE(file);
    std::fputs("# four frames of UP, one of nothing, five of T\n4 UP\n1\n5 T\n", file);
    std::fclose(file);
    std::string error;
    ASSERT_TRUE(takePlayOption(script.c_str(), error));
    ASSERT_TRUE(takeShotOption(("3:" + dir + "pasturon-demo-3.png").c_str(), error));
    ASSERT_TRUE(takeShotOption(("7:" + dir + "pasturon-demo-7.png").c_str(), error));
    ASSERT_EQ(prepareDemo(), -1);
    ASSERT_TRUE(demoPlaying());

    const int expectedLimit[] = {3, 2, 1, 4, 3, 2, 1, 3, 2, 1}; // to frame 3, 7, then 10
    const bool expectedUp[] = {true, true, true, true, false, false, false, false, false, false};
    for (int frame = 0; frame < 10; frame++) {
        EXPECT_EQ(demoTicksBeforeDrawing(), expectedLimit[frame]) << "after frame " << frame;
        setKeyDown(VK_Down, true); // the keyboard's keys do not survive into a played tick
        holdDemoKeys();
        beginDemoTick();
        EXPECT_EQ(isKeyDown(VK_Up), expectedUp[frame]) << frame + 1;
        EXPECT_EQ(isKeyDown('T'), frame >= 5) << frame + 1;
        EXPECT_FALSE(isKeyDown(VK_Down));
        endDemoTick();
    }
    for (const char *name :
         {"pasturon-demo-test.txt", "pasturon-demo-3.png", "pasturon-demo-7.png"})
        std::remove((dir + name).c_str());
    releaseAllKeys();
}

} // namespace
