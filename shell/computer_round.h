// computer_round.h: one person against the computer: the --computer option, the round chosen on
// the title screen and its level, and the round's computer player, which holds cow 2's keys
// once per tick.
#pragma once

#include "bots/computer_player.h"

#include <string>

constexpr int PersonCow = 1;   // the person's cow in a round against the computer
constexpr int ComputerCow = 2; // the computer's

// --computer [LEVEL] (the option's row): preselects a round against the computer at LEVEL
// (normal when none is given); false with `error` set for another word.
bool takeComputerOption(const char *level, std::string &error);
bool computerPreselected(); // --computer was given: SPACE starts a round against the computer too

// --- Process lifetime: the title screen's choice ---
ComputerLevel chosenComputerLevel();
void chooseComputerLevel(ComputerLevel level);
void chooseRoundKind(bool againstComputer); // what the next start of play begins
bool againstComputer();                     // the round started (or starting) is against it

// Play starts: against the computer, the person's keys and pads drive cow 1, cow 1's view fills
// the window and a new computer player takes cow 2; with two people, everything as always.
void beginRound();
// The world was loaded again (N): the computer player goes with the world it knew, and its keys
// are let go; the next start of play brings a new one.
void endComputerRound();
// Once per tick, before the rules: the computer holds cow 2's keys (a played script's keys of
// cow 2 are let go first; the person's never give them).
void holdComputerKeys();
