// key_names.h: the names of keys in scripts and demos ("UP", "F12", "T", "38").
#pragma once

#include <string>

// The virtual-key code for a key name in any letter case: UP, DOWN, LEFT, RIGHT, INSERT,
// DELETE, F1, F12, SPACE, ESCAPE, a single letter A..Z, or a decimal code 0..255; else -1.
int keyCodeOfName(const std::string &name);
// The name a script writes for `code`: its name where it has one, else the decimal code.
std::string keyNameOf(int code);
