// key_names.h: the names of keys in scripts and demos ("UP", "F12", "T", "38").
#pragma once

#include <string>

// The virtual-key code for a key name in any letter case: UP, DOWN, LEFT, RIGHT, INSERT,
// DELETE, F1, F12, SPACE, ESCAPE, a single letter A..Z, or a decimal code 0..255; else -1.
int keyCodeOfName(const std::string &name);
// The name a script writes for `code`: its name where it has one, else the decimal code.
std::string keyNameOf(int code);

// --- Keys a player can bind (controls.conf) ---

// The code of a key name of the controls file, in any letter case: the X keysym names of the keys
// the game can see ("Shift_R", "Prior", "a", "comma"), friendly names ("RightShift",
// "RightCtrl", "PageUp", "Enter") and the script names above; -1 for no key the game can see.
int bindableKeyCode(const std::string &name);
// The name --print-controls writes for a bindable key ("RightShift", "W", "Insert"), or the
// decimal code for another.
std::string bindableKeyName(int code);
// The key as the controls screen shows it: "RSHIFT", "INSERT", "'W'"; the decimal code for a key
// without a label.
std::string keyLabel(int code);
