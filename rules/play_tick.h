// play_tick.h: one tick of play: the rules half of every play frame, with no window.
#pragma once

// Update cow 1, then cow 2, then put both cows on the ground once for each half whose player
// does not hold the controls key (the halves that show the world), as the drawing of that
// frame expects them. The game's play frame, the replay tool and the tests all run this.
void stepPlayTick();
