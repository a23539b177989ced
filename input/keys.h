// keys.h: the key-state table. Every key test of the game asks isKeyDown with a
// Windows virtual-key code; the keyboard, the gamepads (or a test, or the replay tool) fill it.
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
    VK_F2 = 113,
    VK_F11 = 122,
    VK_F12 = 123,
    VK_LShift = 160,
    VK_RShift = 161,
    VK_LControl = 162,
    VK_RControl = 163,
    VK_LMenu = 164,  // left Alt
    VK_RMenu = 165,  // right Alt
    VK_Equals = 187, // '=' and '+'
    VK_Minus = 189,
};

constexpr int KeyCodeCount = 256;

// What holds a key down: a key is down while any of them holds it.
enum KeySource : unsigned {
    KeyboardSource = 1, // the keyboard (and the scripts of tests, demos and the replay tool)
    Pad1Source = 2,     // the gamepad of cow 1
    Pad2Source = 4,     // the gamepad of cow 2
};

bool isKeyDown(int code);             // is the key held at this moment?
unsigned keyHolders(int code);        // the KeySource bits of what holds the key (0: up)
void setKeyDown(int code, bool down); // a keyboard press or release (codes outside 0..255 ignored)
void setKeyFrom(KeySource source, int code, bool down); // the same from another source
void releaseKeysFrom(KeySource source);                 // every key that source holds, up
void releaseAllKeys();                                  // every key up, whatever holds it
// Release every key the keyboard holds for which `physicallyDown` says no (keys lost with the
// focus); never presses a key and leaves the gamepads' keys alone.
void releaseKeysNotHeld(bool (*physicallyDown)(int code));
