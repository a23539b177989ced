// key_test.h: the key test screen: every game key the keyboard and the pads report held, by
// name, live, grouped by cow, so that players find the key combinations their keyboard drops
// (ghosting) and rebind them in controls.conf. F2 on the title screen or --key-test opens it.
#pragma once

#include <string>

bool takeKeyTestOption(const char *, std::string &error); // --key-test
// After start-up: with --key-test the key test is the first screen (not with --play: one line
// on standard error, status 2).
void startKeyTest();
bool keyTestShown();
// Once per tick: F2 on the title screen opens the key test. While it is shown it takes every
// key: ESC or F2 leaves it for the title screen (after --key-test the game ends, status 0).
// True while it has the keys (also until the key that left it is released).
bool keyTestKeys();
void drawKeyTest(); // the screen, while it is shown
