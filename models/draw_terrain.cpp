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

// The eye must stand this far above every tile of the pass for skirts to be cut: then whatever
// hides a skirt's lower part lies beyond the near plane (world units).
constexpr float CutClearance = 2;
// A cut skirt keeps this much below the neighbour's top, so that where the two meet the depth
// test decides between them as it did before (world units).
constexpr float CutOverlap = 0.05f;

// --- The terrain pass under way ---
VisibleWindow passWindow; // the cells it draws
bool cutting;             // skirts are cut in this pass

// The surface height of the cell at (column, row) when the pass draws that cell's top and the
// cells all round it, else -1: what lies below the top of a cell on the pass's edge shows
// through its open side.
float drawnSurface(int column, int row) {
    if (column <= passWindow.columnBegin || column >= passWindow.columnEnd - 1 ||
        row <= passWindow.rowBegin || row >= passWindow.rowEnd - 1)
        return -1;
    const Tile *tile = tileAt(column, row);
    return tile ? tile->surfaceHeight : -1;
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

// A skirt quad (two corners at the tile's height `h`, two on the ground plane), without what
// lies below `floor`: a rectangle cut across stays a rectangle textured as the part it keeps
// of the whole (the renderer may split a quad along either diagonal, and a rectangle's texture
// does not depend on which).
void skirtQuad(float x, float y, const float (&v)[4][3], float h, float floor) {
    if (floor <= 0) {
        tileQuad(x, y, v);
        return;
    }
    static const float texture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float kept = (h - floor) / h; // of the way from the top edge down to the ground
    for (int i = 0; i < 4; i++) {
        // a ground corner moves up its side edge toward the top corner next to it
        const float u = v[i][2] > 0 ? 0 : kept;
        const int upper = v[i][2] > 0 ? i : (v[(i + 1) % 4][2] > 0 ? (i + 1) % 4 : (i + 3) % 4);
        glTexCoord2f(texture[upper][0] + u * (texture[i][0] - texture[upper][0]),
                     texture[upper][1] + u * (texture[i][1] - texture[upper][1]));
        glVertex3f(x + v[upper][0] + u * (v[i][0] - v[upper][0]),
                   y + v[upper][1] + u * (v[i][1] - v[upper][1]),
                   v[upper][2] + u * (v[i][2] - v[upper][2]));
    }
}

// The height above which a skirt of the tile at (column, row), of height `h`, is kept: just
// below the lowest top it falls onto, the cells one, two, ... steps toward (dColumn, dRow) as
// far as it reaches, whose tops hide what lies below them. 0 (kept whole) when the skirt is
// widened at a corner, which a cut would texture differently, or falls onto a cell the pass
// does not draw whole.
float skirtFloor(int column, int row, int dColumn, int dRow, float h, bool widened) {
    if (!cutting || widened)
        return 0;
    float lowest = h;
    for (int step = 1; step < h + 1; step++) {
        const float top = drawnSurface(column + step * dColumn, row + step * dRow);
        if (top < 0)
            return 0;
        lowest = std::min(lowest, top);
    }
    return std::max(0.0f, lowest - CutOverlap);
}

// One cell of the terrain pass: its tile's top face at the surface height, then a skirt
// toward each lower neighbour, in the order south, north, west, east; a skirt that is not
// widened ends where it meets the neighbour's top (below that the top hides it). The corners are
// written out in world units rather than through a matrix per cell, so consecutive tiles with the
// same texture go to the renderer as one batch.
void drawTileCell(int column, int row) {
    const Tile *tile = TileGrid[column][row];
    const TileSkirts s = tileSkirts(column, row);
    const float h = s.height, x = static_cast<float>(column), y = static_cast<float>(row);
    const float dW = s.west, dE = s.east, dS = s.south, dN = s.north;
    const int c = column, r = row;
    glBindTexture(GL_TEXTURE_2D, tile->texture);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    tileQuad(x, y, {{1, 0, h}, {0, 0, h}, {0, 1, h}, {1, 1, h}});
    if (s.lowerSouth)
        skirtQuad(x, y, {{1 + dE, -h, 0}, {-dW, -h, 0}, {0, 0, h}, {1, 0, h}}, h,
                  skirtFloor(c, r, 0, -1, h, dW > 0 || dE > 0));
    if (s.lowerNorth)
        skirtQuad(x, y, {{1, 1, h}, {0, 1, h}, {-dW, 1 + h, 0}, {1 + dE, 1 + h, 0}}, h,
                  skirtFloor(c, r, 0, 1, h, dW > 0 || dE > 0));
    if (s.lowerWest)
        skirtQuad(x, y, {{0, 0, h}, {-h, -dS, 0}, {-h, 1 + dN, 0}, {0, 1, h}}, h,
                  skirtFloor(c, r, -1, 0, h, dS > 0 || dN > 0));
    if (s.lowerEast)
        skirtQuad(x, y, {{1 + h, -dS, 0}, {1, 0, h}, {1, 1, h}, {1 + h, 1 + dN, 0}}, h,
                  skirtFloor(c, r, 1, 0, h, dS > 0 || dN > 0));
    glEnd();
}

// The height of the eye of the current modelview matrix (a rotation, a mirror, a move).
float eyeHeight() {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    return static_cast<float>(-(m[8] * m[12] + m[9] * m[13] + m[10] * m[14]));
}

// The highest tile surface in `w`.
float highestTile(const VisibleWindow &w) {
    float highest = 0;
    for (int column = w.columnBegin; column < w.columnEnd; column++)
        for (int row = w.rowBegin; row < w.rowEnd; row++)
            if (const Tile *tile = tileAt(column, row))
                highest = std::max(highest, tile->surfaceHeight);
    return highest;
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
    passWindow = visibleWindow(cow);
    cutting = cutSkirts && eyeHeight() >= highestTile(passWindow) + CutClearance;
    // the ground is opaque and the default camera looks toward smaller rows: drawing the
    // nearest rows first lets the depth test drop hidden ground before it is textured
    drawVisibleCells(cow, RowOrder::Descending, drawTileCell);
    glCullFace(GL_BACK);
}
