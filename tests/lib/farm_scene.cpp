// farm_scene.cpp: the farm started as the game starts it, and where the cows are put on it.
#include "farm_scene.h"
#include "gl_harness.h"
#include "rules/cow.h"
#include "shell/game.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <cstdlib>
#include <unistd.h>

bool startFarm(const char *dataFolder) {
    if (chdir(dataFolder) != 0)
        return false;
    openTestWindow(800, 600);
    initGame();
    return true;
}

int objectsAround(float x, float y) {
    Cow probe{};
    probe.x = x;
    probe.y = y;
    const VisibleWindow w = visibleWindow(&probe);
    int count = 0;
    for (int r = w.rowBegin; r < w.rowEnd; r++)
        for (int c = w.columnBegin; c < w.columnEnd; c++)
            count += ObjectGrid[c][r] != nullptr;
    return count;
}

ViewCell busiestFreeCell(int avoidColumn, int avoidRow, int minDistance) {
    ViewCell best = {0, 0, -1};
    for (int r = 0; r < mapRows; r++)
        for (int c = 0; c < mapColumns; c++) {
            if (ObjectGrid[c][r] ||
                std::abs(c - avoidColumn) + std::abs(r - avoidRow) < minDistance)
                continue;
            const int n = objectsAround(c + 0.5f, r + 0.5f);
            if (n > best.objects)
                best = {c, r, n};
        }
    return best;
}

void busiestPair(ViewCell *cow1Cell, ViewCell *cow2Cell) {
    constexpr int CowsApart = 3; // cells
    *cow1Cell = busiestFreeCell(-100, -100, 0);
    *cow2Cell = busiestFreeCell(cow1Cell->column, cow1Cell->row, CowsApart);
}

void placeCow(Cow *cow, int column, int row) {
    cow->x = column + 0.5f;
    cow->y = row + 0.5f;
    cow->tile = TileGrid[column][row];
    followGround(cow);
}
