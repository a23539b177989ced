// draw_terrain.cpp: the cells drawn around a cow, and the terrain pass: every tile a textured
// square at its own height with 45-degree skirts down to the ground toward lower neighbours.
#include "models/draw_passes.h"
#include "rules/cow.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

// Cells drawn on each side of the cow's cell (rows toward smaller rows, and so on).
constexpr int RowsBefore = 25, RowsAfter = 11;
constexpr int ColumnsBefore = 19, ColumnsAfter = 11;

// True when the tile at (column, row) exists inside the map and lies strictly below `height`.
bool lowerNeighbour(int column, int row, float height) {
    if (column < 0 || row < 0 || column >= mapColumns || row >= mapRows)
        return false;
    const Tile *tile = tileAt(column, row);
    return tile && tile->surfaceHeight < height;
}

// One quad of a tile, corners given in the cell's own coordinates and moved to its corner
// (x, y); texture coordinates (0,0), (1,0), (1,1), (0,1) on the corners in order. Call
// between glBegin(GL_QUADS) and glEnd.
void tileQuad(float x, float y, const float (&v)[4][3]) {
    static const float texture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; i++) {
        glTexCoord2fv(texture[i]);
        glVertex3f(x + v[i][0], y + v[i][1], v[i][2]);
    }
}

// One cell of the terrain pass: its tile's top face at the surface height, then a skirt
// toward each lower neighbour, in the order south, north, west, east. The corners are
// written out in world units rather than through a matrix per cell, so consecutive tiles
// with the same texture go to the renderer as one batch.
void drawTileCell(int column, int row) {
    const Tile *tile = TileGrid[column][row];
    const TileSkirts s = tileSkirts(column, row);
    const float h = s.height, x = static_cast<float>(column), y = static_cast<float>(row);
    const float dW = s.west, dE = s.east, dS = s.south, dN = s.north;
    glBindTexture(GL_TEXTURE_2D, tile->texture);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    tileQuad(x, y, {{1, 0, h}, {0, 0, h}, {0, 1, h}, {1, 1, h}});
    if (s.lowerSouth)
        tileQuad(x, y, {{1 + dE, -h, 0}, {-dW, -h, 0}, {0, 0, h}, {1, 0, h}});
    if (s.lowerNorth)
        tileQuad(x, y, {{1, 1, h}, {0, 1, h}, {-dW, 1 + h, 0}, {1 + dE, 1 + h, 0}});
    if (s.lowerWest)
        tileQuad(x, y, {{0, 0, h}, {-h, -dS, 0}, {-h, 1 + dN, 0}, {0, 1, h}});
    if (s.lowerEast)
        tileQuad(x, y, {{1 + h, -dS, 0}, {1, 0, h}, {1, 1, h}, {1 + h, 1 + dN, 0}});
    glEnd();
}

} // namespace

VisibleWindow visibleWindow(const Cow *cow) {
    const int cx = static_cast<int>(std::floor(cow->x));
    const int cy = static_cast<int>(std::floor(cow->y));
    VisibleWindow window;
    window.rowBegin = std::max(0, cy - RowsBefore);
    window.rowEnd = std::min(cy + RowsAfter, mapRows);
    window.columnBegin = std::max(0, cx - ColumnsBefore);
    window.columnEnd = std::min(cx + ColumnsAfter, mapColumns);
    return window;
}

TileSkirts tileSkirts(int column, int row) {
    TileSkirts s{};
    const Tile *tile = tileAt(column, row);
    if (!tile)
        return s;
    s.height = tile->surfaceHeight;
    s.lowerWest = lowerNeighbour(column - 1, row, s.height);
    s.lowerEast = lowerNeighbour(column + 1, row, s.height);
    s.lowerSouth = lowerNeighbour(column, row - 1, s.height);
    s.lowerNorth = lowerNeighbour(column, row + 1, s.height);
    s.west = s.lowerWest ? s.height : 0;
    s.east = s.lowerEast ? s.height : 0;
    s.south = s.lowerSouth ? s.height : 0;
    s.north = s.lowerNorth ? s.height : 0;
    return s;
}

void drawVisibleCells(const Cow *cow, RowOrder order, void (*drawCell)(int column, int row)) {
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    const VisibleWindow w = visibleWindow(cow);
    const bool ascending = order == RowOrder::Ascending;
    const int first = ascending ? w.rowBegin : w.rowEnd - 1, step = ascending ? 1 : -1;
    for (int row = first; row >= w.rowBegin && row < w.rowEnd; row += step)
        for (int column = w.columnBegin; column < w.columnEnd; column++)
            drawCell(column, row);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void drawTerrainPass(const Cow *cow) {
    glCullFace(GL_FRONT); // tiles are listed inside out: their tops are back faces
    // the ground is opaque and the default camera looks toward smaller rows: drawing the
    // nearest rows first lets the depth test drop hidden ground before it is textured
    drawVisibleCells(cow, RowOrder::Descending, drawTileCell);
    glCullFace(GL_BACK);
}
