// map_text.h: loading maps written inline in the world tests, and what a loaded world must be.
#pragma once

#include "test_map.h"

// True when every cell the passes visit holds a tile of that cell and every object there stands
// on its own cell, the cows are linked and stand on tiles: the world the game relies on.
bool worldIsConsistent();
