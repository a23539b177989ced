// keys_test.cpp: the key-state table and the mapping of window-system keys into it.
#include "shell/key_map.h"
#include "input/keys.h"

#include <GL/freeglut.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace {

TEST(KeyTable, PressAndReleaseByVirtualKeyCode) {
    releaseAllKeys();
    EXPECT_FALSE(isKeyDown(VK_Up));
    setKeyDown(VK_Up, true);
    setKeyDown(VK_Up, true); // a repeated press changes nothing
    EXPECT_TRUE(isKeyDown(VK_Up));
    setKeyDown(VK_Up, false);
    EXPECT_FALSE(isKeyDown(VK_Up));
    setKeyDown('W', false); // a release without a press is harmless
    EXPECT_FALSE(isKeyDown('W'));
    setKeyDown(-1, true); // codes outside the table are ignored
    setKeyDown(256, true);
    EXPECT_FALSE(isKeyDown(-1));
    EXPECT_FALSE(isKeyDown(256));
}

TEST(KeyMap, LettersInEitherCaseAndUnderControlAreTheSameKey) {
    EXPECT_EQ(virtualKeyFromChar('w', false), 'W');
    EXPECT_EQ(virtualKeyFromChar('W', false), 'W'); // key-up after Shift carries the upper case
    EXPECT_EQ(virtualKeyFromChar(23, true), 'W');   // Ctrl+W arrives as 23
    EXPECT_EQ(virtualKeyFromChar('w', true), 'W');
    EXPECT_EQ(virtualKeyFromChar('a', false), 65);
    EXPECT_EQ(virtualKeyFromChar('z', false), 90);
    // a press of 'a', Shift, a release that says 'A': the key ends up released
    releaseAllKeys();
    setKeyDown(virtualKeyFromChar('a', false), true);
    setKeyDown(virtualKeyFromChar('A', false), false);
    EXPECT_FALSE(isKeyDown('A'));
}

TEST(KeyMap, EscapeSpaceAndDeleteInBothForms) {
    EXPECT_EQ(virtualKeyFromChar(27, false), VK_Escape);
    EXPECT_EQ(virtualKeyFromChar(27, true), 0); // Ctrl+[ is not ESC
    EXPECT_EQ(virtualKeyFromChar(' ', false), VK_Space);
    EXPECT_EQ(virtualKeyFromChar(127, false), VK_Delete);         // main Delete key
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_DELETE), VK_Delete); // keypad Delete
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_INSERT), VK_Insert);
    EXPECT_EQ(virtualKeyFromChar('n', false), 'N');
}

TEST(KeyMap, SpecialKeys) {
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_F1), VK_F1);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_F12), VK_F12);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_LEFT), VK_Left);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_UP), VK_Up);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_RIGHT), VK_Right);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_DOWN), VK_Down);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_SHIFT_R), VK_RShift);
    EXPECT_EQ(virtualKeyFromSpecial(GLUT_KEY_CTRL_L), VK_LControl);
    EXPECT_EQ(virtualKeyFromSpecial(9999), 0);
}

TEST(KeyMap, EveryGameKeyCanBeAskedOfTheXServer) {
    const int gameKeys[] = {
        VK_Up, VK_Down, VK_Left,  VK_Right, VK_Insert, VK_Delete, VK_F12, 'W', 'S', 'A', 'D', 'T',
        'F',   VK_F1,   VK_Space, 'N',      VK_Escape, 'U',       'O',    'I', 'K', 'J', 'L'};
    for (int code : gameKeys) {
        int count = 0;
        keysymsOfVirtualKey(code, &count);
        EXPECT_GE(count, 1) << code;
    }
    int count = 0;
    const unsigned long *syms = keysymsOfVirtualKey(VK_Delete, &count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(syms[0], static_cast<unsigned long>(XK_Delete));
    EXPECT_EQ(syms[1], static_cast<unsigned long>(XK_KP_Delete));
    EXPECT_EQ(keysymsOfVirtualKey('W', &count)[0], static_cast<unsigned long>(XK_w));
}

bool onlyUpHeld(int code) {
    return code == VK_Up;
}

TEST(KeyTable, KeysReleasedWhileUnfocusedAreDroppedButNoneIsPressed) {
    releaseAllKeys();
    setKeyDown(VK_Up, true);
    setKeyDown('W', true); // released while another window had the keyboard
    releaseKeysNotHeld(onlyUpHeld);
    EXPECT_TRUE(isKeyDown(VK_Up));
    EXPECT_FALSE(isKeyDown('W'));
    EXPECT_FALSE(isKeyDown(VK_Down)); // physically down or not, never pressed from here
}

} // namespace
