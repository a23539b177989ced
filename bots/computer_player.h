// computer_player.h: a computer player: it drives one cow as a person does, by holding that
// cow's keys in the key table once per tick, and only reads the grids and both cows.
#pragma once

// How well and how fast the computer decides; never a different rule.
enum class ComputerLevel { Easy, Normal, Hard };

// "easy", "normal" or "hard" into `level`; false (level untouched) for anything else.
bool parseComputerLevel(const char *text, ComputerLevel &level);
// The level's name as parseComputerLevel reads it.
const char *computerLevelName(ComputerLevel level);

struct ComputerPlayer;

// A computer player for cow 1 or 2 of the world loaded now (null for another number); start a
// new one after every map load. `seed` feeds its own random numbers: the same map, keys of the
// other cow, level and seed give the same keys on every run and machine.
ComputerPlayer *startComputer(int cowNumber, ComputerLevel level, unsigned seed);
void stopComputer(ComputerPlayer *player); // free it (null is harmless)

// Once per tick, before the tick runs: hold exactly this cow's action keys (keyUp, keyDown,
// keyLeft, keyRight, keyJump, keyButt; never keyControls) in the key table through
// ComputerSource. Reads the grids and both cows; never writes game state.
void computerHoldKeys(ComputerPlayer *player);
