// script_test.cpp: the script format (reading, the lines a recording writes, the keys it holds);
// how the trace prints floats.
#include "input/key_names.h"
#include "input/keys.h"
#include "input/script.h"
#include "rules/trace.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

TEST(ReplayScript, KeyNamesCodesAndLetters) {
    EXPECT_EQ(keyCodeOfName("UP"), VK_Up);
    EXPECT_EQ(keyCodeOfName("down"), VK_Down);
    EXPECT_EQ(keyCodeOfName("Left"), VK_Left);
    EXPECT_EQ(keyCodeOfName("RIGHT"), VK_Right);
    EXPECT_EQ(keyCodeOfName("insert"), VK_Insert);
    EXPECT_EQ(keyCodeOfName("DELETE"), VK_Delete);
    EXPECT_EQ(keyCodeOfName("f1"), VK_F1);
    EXPECT_EQ(keyCodeOfName("F12"), VK_F12);
    EXPECT_EQ(keyCodeOfName("Space"), VK_Space);
    EXPECT_EQ(keyCodeOfName("ESCAPE"), VK_Escape);
    EXPECT_EQ(keyCodeOfName("t"), 'T');
    EXPECT_EQ(keyCodeOfName("Z"), 'Z');
    EXPECT_EQ(keyCodeOfName("38"), 38);
    EXPECT_EQ(keyCodeOfName("0"), 0);
    EXPECT_EQ(keyCodeOfName("255"), 255);
    for (const char *bad : {"256", "-1", "F2", "UPP", "1x", "", "ä", "99999999999999999999"})
        EXPECT_EQ(keyCodeOfName(bad), -1) << bad;
}

TEST(ReplayScript, EveryCodeWritesANameThatReadsBack) {
    EXPECT_EQ(keyNameOf(VK_Insert), "INSERT");
    EXPECT_EQ(keyNameOf('W'), "W");
    EXPECT_EQ(keyNameOf(VK_RShift), "161");
    for (int code = 0; code < KeyCodeCount; code++)
        EXPECT_EQ(keyCodeOfName(keyNameOf(code)), code) << code;
}

TEST(ReplayScript, LinesCommentsAndBlanks) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(parseScript("# cow 1 left, cow 2 jump\n1 LEFT T\n\n  # note\n19 LEFT # walk\r\n"
                            "3\n\t2\tw  a\n5",
                            steps, error))
        << error;
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].frames, 1);
    EXPECT_EQ(steps[0].keys, (std::vector<int>{VK_Left, 'T'}));
    EXPECT_EQ(steps[1].frames, 19);
    EXPECT_EQ(steps[1].keys, (std::vector<int>{VK_Left}));
    EXPECT_EQ(steps[2].frames, 3); // a count alone holds nothing
    EXPECT_TRUE(steps[2].keys.empty());
    EXPECT_EQ(steps[3].keys, (std::vector<int>{'W', 'A'}));
    EXPECT_EQ(steps[4].frames, 5); // the last line needs no line feed

    steps.clear();
    EXPECT_TRUE(parseScript("", steps, error));
    EXPECT_TRUE(steps.empty());
}

TEST(ReplayScript, BadLinesSayWhere) {
    struct Case {
        const char *script, *error;
    };
    for (Case c : {Case{"1 UP\n0 UP\n", "line 2: bad frame count \"0\""},
                   Case{"\n\n2 UP F13\n", "line 3: bad key \"F13\""},
                   Case{"UP 3\n", "line 1: bad frame count \"UP\""},
                   Case{"-1\n", "line 1: bad frame count \"-1\""},
                   Case{"+4 UP\n", "line 1: bad frame count \"+4\""},
                   Case{"99999999999999999999 UP\n", "line 1: bad frame count"},
                   Case{"1 UP,DOWN\n", "line 1: bad key \"UP,DOWN\""}}) {
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(parseScript(c.script, steps, error)) << c.script;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

TEST(ReplayScript, RecordedLinesReadBackAsTheKeysHeld) {
    releaseAllKeys();
    EXPECT_TRUE(heldKeys().empty());
    setKeyDown(VK_F12, true);
    setKeyFrom(Pad1Source, VK_Up, true); // a pad's keys are held keys too
    setKeyDown(VK_RShift, true);
    setKeyDown('T', true);
    const ScriptStep recorded{7, heldKeys()};
    EXPECT_EQ(recorded.keys, (std::vector<int>{VK_Up, 'T', VK_F12, VK_RShift}));
    EXPECT_EQ(scriptLine(recorded), "7 UP T F12 161\n");
    EXPECT_EQ(scriptLine({1, {}}), "1\n");

    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(parseScript(scriptLine(recorded) + scriptLine({2, {'W'}}), steps, error));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].frames, 7);
    EXPECT_EQ(steps[0].keys, recorded.keys);
    holdScriptKeys(steps[1]); // exactly the step's keys: the pad's and the keyboard's let go
    EXPECT_EQ(heldKeys(), (std::vector<int>{'W'}));
    EXPECT_EQ(scriptFrames(steps), 9);
    releaseAllKeys();
}

TEST(ReplayScript, AFileThatCannotBeReadOrHasABadLineSaysWhich) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(readScriptFile("/nonexistent/demo.txt", steps, error));
    EXPECT_EQ(error, "cannot read /nonexistent/demo.txt: No such file or directory");
    const std::string path = testing::TempDir() + "pasturon-bad-script.txt";
    std::FILE *file = std::fopen(path.c_str(), "w");
    ASSERT_TRUE(file);
    std::fputs("# a demo\n3 UP\n2 UP F13\n", file);
    std::fclose(file);
    EXPECT_FALSE(readScriptFile(path.c_str(), steps, error));
    EXPECT_EQ(error, path + ", line 3: bad key \"F13\"");
    std::remove(path.c_str());
}

TEST(ReplayTrace, FloatsArePrintedAsPercentNineG) {
    std::mt19937 random(5);
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 1.0f,
                                 -1.0f,
                                 0.05f,
                                 0.12f,
                                 0.5f,
                                 12.8571424f,
                                 1e-30f,
                                 3e38f,
                                 1e-40f /* subnormal */,
                                 123456789.0f};
    for (int i = 0; i < 200000; i++) {
        uint32_t bits = random();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(static_cast<float>(random() % 100000) / 1000.0f);
    }
    for (float value : values) {
        char expected[48], text[32];
        std::snprintf(expected, sizeof expected, "%.9g", static_cast<double>(value));
        std::string printed(text, formatTraceFloat(text, value));
        ASSERT_EQ(printed, expected);
    }
}
