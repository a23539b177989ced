// controls_test.cpp: the controls file (lines, refusals, what yields to what), the key names it
// takes, and the key translation the bindings make.
#include "input/controls.h"
#include "input/key_names.h"
#include "input/keys.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int Jump = static_cast<int>(Action::Jump);
constexpr int Butt = static_cast<int>(Action::Butt);
constexpr int Up = static_cast<int>(Action::Up);
constexpr int Down = static_cast<int>(Action::Down);

struct Read {
    Controls controls;
    std::vector<ControlsProblem> problems;
};
Read read(const std::string &text) {
    Read r;
    r.controls = readControls(text, r.problems);
    return r;
}

class ControlsInForce : public testing::Test {
  protected:
    void TearDown() override { setControls(defaultControls()); }
};

TEST(KeyNames, TheFileTakesKeysymNamesFriendlyNamesAndScriptNamesInAnyCase) {
    EXPECT_EQ(bindableKeyCode("Shift_R"), VK_RShift);
    EXPECT_EQ(bindableKeyCode("rightshift"), VK_RShift);
    EXPECT_EQ(bindableKeyCode("CONTROL_R"), VK_RControl);
    EXPECT_EQ(bindableKeyCode("Prior"), 33);
    EXPECT_EQ(bindableKeyCode("pageup"), 33);
    EXPECT_EQ(bindableKeyCode("comma"), 188);
    EXPECT_EQ(bindableKeyCode("INSERT"), VK_Insert);
    EXPECT_EQ(bindableKeyCode("g"), 'G');
    EXPECT_EQ(bindableKeyCode("7"), '7');
    EXPECT_EQ(bindableKeyCode("f11"), VK_F11);
    EXPECT_EQ(bindableKeyCode("38"), VK_Up); // a decimal code of a key the game can see
    for (const char *bad : {"", "F13", "F0", "Shift", "Foo", "200", "a b"})
        EXPECT_EQ(bindableKeyCode(bad), -1) << bad;
    // every bindable key prints a name that reads back, and has a label
    for (int code = 1; code < KeyCodeCount; code++)
        if (bindableKeyName(code) != std::to_string(code)) {
            EXPECT_EQ(bindableKeyCode(bindableKeyName(code)), code) << code;
            EXPECT_NE(keyLabel(code), std::to_string(code)) << code;
        }
    EXPECT_EQ(keyLabel(VK_RShift), "RSHIFT");
    EXPECT_EQ(keyLabel('W'), "'W'");
}

TEST(ControlsFile, WithoutLinesTheDefaultsWithTheLaptopKeysForCowOne) {
    Read r = read("# nothing bound\n\n   \n");
    EXPECT_TRUE(r.problems.empty());
    EXPECT_EQ(r.controls.keys[0][Jump], (std::vector<int>{VK_Insert, VK_RShift}));
    EXPECT_EQ(r.controls.keys[0][Butt], (std::vector<int>{VK_Delete, VK_RControl}));
    EXPECT_EQ(r.controls.keys[1][Jump], (std::vector<int>{'T'}));
    // what --print-controls writes reads back as the same controls
    Read again = read(writeControls(r.controls));
    EXPECT_TRUE(again.problems.empty());
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            EXPECT_EQ(again.controls.keys[p][a], r.controls.keys[p][a]) << p << " " << a;
}

TEST(ControlsFile, ALineReplacesTheKeysOfItsActionAndAnExtraDefaultYields) {
    Read r = read("cow2.jump = G\r\n  COW1.UP=Down # swapped\ncow1.down = Up\n"
                  "cow2.butt = RightShift, Shift_L\n");
    EXPECT_TRUE(r.problems.empty());
    EXPECT_EQ(r.controls.keys[1][Jump], (std::vector<int>{'G'}));
    EXPECT_EQ(r.controls.keys[0][Up], (std::vector<int>{VK_Down}));
    EXPECT_EQ(r.controls.keys[0][Down], (std::vector<int>{VK_Up}));
    EXPECT_EQ(r.controls.keys[1][Butt], (std::vector<int>{VK_RShift, VK_LShift}));
    EXPECT_EQ(r.controls.keys[0][Jump], (std::vector<int>{VK_Insert})); // Right Shift went
}

TEST(ControlsFile, RefusedLinesSayWhyAndKeepTheirDefaults) {
    Read r = read("cow1.jump Home\n"        // 1
                  "cow3.up = W\n"           // 2
                  "cow1.fly = W\n"          // 3
                  "cow2.left = Foo\n"       // 4
                  "cow2.right =\n"          // 5
                  "cow1.controls = Space\n" // 6
                  "cow2.controls = n\n"     // 7
                  "cow2.up = Home\n"        // 8
                  "cow2.up = End\n"         // 9
                  "cow2.down = Insert\n"    // 10: cow 1's own jump key
                  "cow1.left = G\n"         // 11
                  "cow2.jump = G\n"         // 12: G was taken on line 11
                  "cow2.butt = k\n"         // 13: the camera's
                  "cow2.left = \x1b[2J\n"); // 14: quoted harmlessly
    std::vector<int> lines;
    for (const ControlsProblem &p : r.problems)
        lines.push_back(p.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14}));
    ASSERT_EQ(r.problems.size(), 12u);
    EXPECT_EQ(r.problems[0].reason, "expected \"cowN.ACTION = KEY\"");
    EXPECT_NE(r.problems[1].reason.find("unknown action \"cow3.up\""), std::string::npos);
    EXPECT_EQ(r.problems[3].reason, "unknown key \"Foo\"");
    EXPECT_EQ(r.problems[4].reason, "no key for cow2.right");
    EXPECT_EQ(r.problems[5].reason, "Space is the start key and cannot be bound");
    EXPECT_EQ(r.problems[6].reason, "N is the new-game key and cannot be bound");
    EXPECT_EQ(r.problems[7].reason, "cow2.up was bound on line 8");
    EXPECT_EQ(r.problems[8].reason, "Insert is already cow1.jump");
    EXPECT_EQ(r.problems[9].reason, "G is already cow1.left");
    EXPECT_EQ(r.problems[10].reason, "K is a camera key and cannot be bound");
    EXPECT_EQ(r.problems[11].reason, "unknown key \"?[2J\"");
    EXPECT_EQ(r.controls.keys[1][Up], (std::vector<int>{36}));    // line 8 stands
    EXPECT_EQ(r.controls.keys[1][Down], (std::vector<int>{'S'})); // default kept
    EXPECT_EQ(r.controls.keys[1][Jump], (std::vector<int>{'T'})); // default kept
    EXPECT_EQ(r.controls.keys[0][Jump], (std::vector<int>{VK_Insert, VK_RShift}));
}

TEST(ControlsFile, PauseVolumeAndKeyTestKeysBelongToTheGame) {
    Read r = read("cow1.up = p\ncow1.down = M\ncow1.left = minus\ncow1.right = equal\n"
                  "cow2.up = F2\n");
    ASSERT_EQ(r.problems.size(), 5u);
    EXPECT_EQ(r.problems[0].reason, "P is the pause key and cannot be bound");
    EXPECT_EQ(r.problems[1].reason, "M is the mute key and cannot be bound");
    EXPECT_EQ(r.problems[2].reason, "minus is a volume key and cannot be bound");
    EXPECT_EQ(r.problems[3].reason, "equal is a volume key and cannot be bound");
    EXPECT_EQ(r.problems[4].reason, "F2 is the key-test key and cannot be bound");
}

TEST_F(ControlsInForce, BoundKeysGiveTheirActionsCodesAndUnboundOwnCodesGiveNone) {
    EXPECT_EQ(gameKeyOf(VK_RShift), VK_Insert); // the laptop key out of the box
    EXPECT_EQ(gameKeyOf(VK_Insert), VK_Insert);
    EXPECT_EQ(gameKeyOf('N'), 'N'); // keys no action has stay themselves
    std::vector<ControlsProblem> problems;
    setControls(readControls("cow2.jump = G\ncow1.jump = RightShift\n", problems));
    ASSERT_TRUE(problems.empty());
    EXPECT_EQ(gameKeyOf('G'), 'T');
    EXPECT_EQ(gameKeyOf('T'), 0);       // T jumps no more
    EXPECT_EQ(gameKeyOf(VK_Insert), 0); // nor does Insert
    EXPECT_EQ(gameKeyOf(VK_RShift), VK_Insert);
    EXPECT_EQ(physicalKeysOf('T'), (std::vector<int>{'G'}));
    EXPECT_EQ(shownKeyOf('T'), 'G');
    EXPECT_EQ(shownKeyOf(VK_Insert), VK_RShift);
    EXPECT_EQ(shownKeyOf(VK_RShift), VK_RShift); // a code no action has names itself
}

} // namespace
