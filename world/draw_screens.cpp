// draw_screens.cpp: the overhead map (a flat coloured plan of the farm for the title and
// controls screens) and the splash picture.
#include "world/draw_passes.h"
#include "images/texture_slots.h"
#include "models/primitives.h"
#include "rules/cow.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

// Border cells the overhead map never shows.
constexpr int HiddenTopRows = 13, HiddenBottomRows = 9;
constexpr int HiddenLeftColumns = 11, HiddenRightColumns = 10;

// The cow markers: a coarse white sphere, radius in cells.
constexpr double MarkerRadius = 1.5;
constexpr double MarkerSlices = 3, MarkerStacks = 5;

constexpr OverheadColour White = {1.0f, 1.0f, 1.0f};

// The colour rules in order; a later rule overrides an earlier one.
struct ColourRule {
    bool byTile; // test the tile character, else the object character
    char kind;
    OverheadColour colour;
};
constexpr ColourRule ColourRules[] = {
    {true, '_', {0.3f, 0.6f, 0.5f}},   // grass
    {true, '.', {0.6f, 0.3f, 0.3f}},   // dirt
    {true, '~', {0.3f, 0.3f, 0.8f}},   // water
    {false, '#', {0.4f, 0.1f, 0.1f}},  // fence
    {false, 'F', {0.4f, 0.1f, 0.1f}},  // tall fence
    {false, 'T', {0.1f, 0.9f, 0.1f}},  // tree
    {false, '*', {1.0f, 0.8f, 0.1f}},  // hay bale
    {false, 'o', {0.7f, 0.7f, 0.7f}},  // rock
    {false, 's', {0.0f, 0.0f, 0.0f}},  // solid marker
    {false, '+', {0.8f, 0.8f, 1.0f}},  // grow pill
    {false, '!', {1.0f, 0.8f, 1.0f}},  // syringe
    {false, '\\', {1.0f, 0.8f, 1.0f}}, // gate of cow 1
    {false, '/', {1.0f, 0.8f, 1.0f}},  // gate of cow 2
};

void drawCowMarker(const Cow *cow) {
    glPushMatrix();
    glTranslatef(cow->x, cow->y, 0);
    glColor3f(1, 1, 1);
    texturedSphere(MarkerRadius, MarkerSlices, MarkerStacks);
    glPopMatrix();
}

} // namespace

OverheadColour overheadColour(const Tile *tile, const WorldObject *object,
                              OverheadColour previous) {
    OverheadColour colour = previous;
    for (const ColourRule &rule : ColourRules) {
        const bool matches =
            rule.byTile ? tile && tile->kind == rule.kind : object && object->kind == rule.kind;
        if (matches)
            colour = rule.colour;
    }
    return colour;
}

void drawOverheadMap() {
    glPushMatrix();
    glPushAttrib(GL_POLYGON_BIT); // the caller's culling is given back at the end
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glScalef(1, -1, 1); // row 0 at the top
    glFrontFace(GL_CW); // the flip turns the winding over, as the world's mirror does
    const int longer = std::max(mapColumns, mapRows);
    if (longer > 0) {
        const float m = static_cast<float>(longer);
        glTranslatef(-mapColumns / m, -mapRows / m, 0.9f);
        glScalef(2 / m, 2 / m, 0.05f);
    }
    // one batch: each cell's corners (1,0), (0,0), (0,1), (1,1) written out at its offset, with
    // texture coordinates (0,0), (1,0), (1,1), (0,1) that have no effect here
    static const float corners[4][2] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};
    static const float texture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    OverheadColour colour = White;
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_QUADS);
    for (int row = HiddenTopRows; row <= mapRows - 1 - HiddenBottomRows; row++)
        for (int column = HiddenLeftColumns; column <= mapColumns - 1 - HiddenRightColumns;
             column++) {
            colour = overheadColour(TileGrid[column][row], ObjectGrid[column][row], colour);
            glColor3f(colour.r, colour.g, colour.b);
            for (int i = 0; i < 4; i++) {
                glTexCoord2fv(texture[i]);
                glVertex3f(column + corners[i][0], row + corners[i][1], 0);
            }
        }
    glEnd();
    drawCowMarker(cow1);
    drawCowMarker(cow2);
    glDisable(GL_TEXTURE_2D);
    glPopAttrib();
    glPopMatrix();
}

void drawSplashImage() {
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, SplashTexture);
    glTranslatef(0, 0, -1);
    glPushAttrib(GL_POLYGON_BIT);
    glFrontFace(GL_CW); // the corners are listed clockwise as seen
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, 0);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, 0);
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, 0);
    glEnd();
    glPopAttrib();
}
