// draw_objects.cpp: the object pass around a cow, the item spin angles and the two home
// beacons.
#include "models/draw_passes.h"
#include "models/draw_handlers.h"
#include "rules/cow.h"
#include "world/grids.h"

#include <GL/gl.h>

float spinAngle;
float itemSpinAngle;

namespace {

constexpr float SpinStepDegrees = 1.0f; // per object pass drawn

// The beacon on the corner of `cow`'s home cell, standing on that cell's tile.
void drawHomeBeaconOf(const Cow *cow, double height) {
    const Tile *home = tileAt(cow->homeCol, cow->homeRow);
    glPushMatrix();
    glTranslatef(static_cast<float>(cow->homeCol), static_cast<float>(cow->homeRow),
                 home ? home->standHeight : 0.0f);
    drawHomeBeacon(height);
    glPopMatrix();
}

// The object of one cell, if any, moved to the cell centre on the cell's tile.
void drawObjectCell(int column, int row) {
    const WorldObject *object = ObjectGrid[column][row];
    if (!object)
        return;
    glPushMatrix();
    glTranslatef(static_cast<float>(column), static_cast<float>(row),
                 TileGrid[column][row]->standHeight);
    glTranslatef(0.5f, 0.5f, 0);
    object->drawHandler(static_cast<int>(object->x), static_cast<int>(object->y));
    glPopMatrix();
}

} // namespace

void drawObjectPass(const Cow *cow) {
    drawVisibleCells(cow, RowOrder::Ascending, drawObjectCell); // the barn roof blends
}

void advanceSpinAngles() {
    spinAngle += SpinStepDegrees;
    itemSpinAngle += SpinStepDegrees;
}

void drawHomeBeacons(double height) {
    drawHomeBeaconOf(cow1, height);
    drawHomeBeaconOf(cow2, height);
}
