// key_map.h: window-system keys to virtual-key codes, and the GLUT keyboard callbacks.
#pragma once

// The virtual-key code of a GLUT keyboard character, or 0 when the game has none for it.
// `ctrl`: Control was held (letters then arrive as control characters 1..26).
int virtualKeyFromChar(unsigned char key, bool ctrl);
// The virtual-key code of a GLUT special key, or 0.
int virtualKeyFromSpecial(int glutKey);
// The X keysyms that make a virtual key (for asking the X server), count written to *count.
const unsigned long *keysymsOfVirtualKey(int code, int *count);

// A physical key went down or up: the key table gets the code it is bound to (a rebound key
// gives its action's code; a key nothing uses any more gives none).
void keyboardKeyEvent(int physicalCode, bool down);
// Install the keyboard, keyboard-up, special and special-up callbacks (window must exist);
// F11 toggles fullscreen.
void installKeyCallbacks();
// Ask the window's X server which keys are physically down and release the rest (once per
// frame, with the window's GL context current).
void dropKeysLostWithFocus();
// After dropKeysLostWithFocus: is a physical key that gives the virtual key `key` down in the
// keymap it read? (what the keyboard reports, before any binding)
bool keyHeldOnKeyboard(int key);
// Has the game window the keyboard focus? 1 yes, 0 no, -1 cannot tell (no window current, or
// the focus follows the pointer).
int windowHasFocus();
