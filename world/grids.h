// grids.h: the world of one round: tile and object grids, their size, the two cows.
#pragma once

#include "world/tile.h"
#include "world/world_object.h"

#include <cstdio>

struct Cow;

constexpr int GridSize = 256; // cells per side of both grids

// --- Rebuilt by every map load, freed by the new-game teardown ---
extern Tile *TileGrid[GridSize][GridSize];          // [column][row]; owns its tiles
extern WorldObject *ObjectGrid[GridSize][GridSize]; // [column][row]; null where empty
extern int mapColumns;                              // cells per row that passes visit
extern int mapRows;                                 // rows that passes visit
extern Cow *cow1;                                   // player 1, map character '1'
extern Cow *cow2;                                   // player 2, map character '2'

// The map every game loads.
constexpr const char *GameMapPath = "_maps/Map02.map";

// True when (column, row) lies inside the 256 x 256 grids.
inline bool insideGrid(int column, int row) {
    return column >= 0 && row >= 0 && column < GridSize && row < GridSize;
}
// The tile at (column, row), or null outside the grids.
Tile *tileAt(int column, int row);
// The object at (column, row), or null outside the grids.
WorldObject *objectAt(int column, int row);

// The number of the world in the grids: every map load makes a new one (0 before the first).
unsigned long long worldNumber();

// Read the map file into the grids; false (one line on stderr) when it is refused,
// in which case the world is left exactly as it was.
bool loadMap(const char *path);
// The same from an open file read from its current position; `name` names it in messages.
bool loadMapFrom(FILE *file, const char *name);
// Free every record of the current world and clear the grids.
void freeWorld();

// Take the object at (column, row) out of the grid; it is freed by releaseRemovedObjects.
void removeObjectAt(int column, int row);
// Free the objects taken out since the last call (after their handler has returned).
void releaseRemovedObjects();
// Called with each cell whose object leaves the grid during play (the replay tool listens).
extern void (*objectRemovedHook)(int column, int row);
