// gamepads.h: two gamepads through SDL's game-controller API (input only; GLUT keeps the
// window). The first pad connected drives cow 1, the second cow 2; a pad sets the same keys in
// the key table as that cow's keyboard keys, so nothing above the key table sees a difference.
#pragma once

// Start SDL's game controllers (no video, no signal handlers). False, with one line on
// standard error, when SDL cannot; the game then runs with the keyboard alone.
bool openGamepads();
// Once per frame: take pads plugged in or out (a pad that leaves releases its keys), then hold
// each cow's keys as its pad says: D-pad or left stick the direction keys, A jump, B or X
// head-butt, Back the controls key, Start SPACE, Y the title screen's computer key (C). With one
// person playing (setPlayedCow) both pads drive that person's cow.
void pollGamepads();
// Which cow a connected pad drives (0 or 1), by SDL's joystick instance id; -1 for none.
int cowOfGamepad(int instanceId);
