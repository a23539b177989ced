// keys.h: the key-state table. Every key test of the game asks isKeyDown with a
// Windows virtual-key code; the window system (or a test, or the replay tool) fills it.
#pragma once

// Virtual-key codes the game uses.
enum VirtualKey {
    VK_Space = 32,
    VK_Escape = 27,
    VK_Left = 37,
    VK_Up = 38,
    VK_Right = 39,
    VK_Down = 40,
    VK_Insert = 45,
    VK_Delete = 46,
    VK_F1 = 112,
    VK_F12 = 123,
    VK_LShift = 160,
    VK_RShift = 161,
    VK_LControl = 162,
    VK_RControl = 163,
};

constexpr int KeyCodeCount = 256;

bool isKeyDown(int code);             // is the key held at this moment?
void setKeyDown(int code, bool down); // record a press or a release (codes outside 0..255 ignored)
void releaseAllKeys();                // every key up
// Release every held key for which `physicallyDown` says no (keys lost with the focus);
// never presses a key.
void releaseKeysNotHeld(bool (*physicallyDown)(int code));
