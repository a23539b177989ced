// tile.h: one ground cell of the farm and the tile kinds that make it.
#pragma once

struct Cow;

// Runs every update for the tile under a cow: (cow, tile column, tile row).
typedef void (*EnterHandler)(Cow *cow, int column, int row);

// One ground cell; created by the map loader, freed by the new-game teardown.
struct Tile {
    char kind;                 // the tile character from the map
    unsigned int texture;      // GL texture name copied from TileTextures at creation
    EnterHandler enterHandler; // run while a cow stands here (noTouch when the kind has none)
    int column;                // the cell's column
    int row;                   // the cell's row
    float standHeight;         // where objects, beacons and walking cows stand
    float surfaceHeight;       // where the top face is drawn; the water line
};

// Heights in the kind table are raw values; a tile stores raw x this factor.
constexpr double TileHeightScale = 0.3;

// Make the tile for map character `kind` at (column, row) from the kind table.
Tile *createTile(char kind, int column, int row);
