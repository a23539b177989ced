// farm_scene.h: the game's own farm as the game starts it (sounds on the null device, font,
// textures, the farm map, GL state), and the places on it where the frame benchmark and the
// picture test put the cows.
#pragma once

struct Cow;

// Open the 800 x 600 test window and run the game's start-up in `dataFolder` (the working
// directory afterwards). False when the folder cannot be entered.
bool startFarm(const char *dataFolder);

// Objects in the visible window around the point (x, y).
int objectsAround(float x, float y);

// A cell of the map and the objects in view from it.
struct ViewCell {
    int column, row;
    int objects; // -1 when no cell qualified
};
// The free cell (no object) whose visible window holds the most objects, at least
// `minDistance` cells (city-block) from (avoidColumn, avoidRow).
ViewCell busiestFreeCell(int avoidColumn, int avoidRow, int minDistance);
// Cow 1 on the busiest free cell, cow 2 on the next busiest three or more cells away.
void busiestPair(ViewCell *cow1Cell, ViewCell *cow2Cell);

// Put `cow` on the centre of (column, row), standing on that cell's tile.
void placeCow(Cow *cow, int column, int row);
