// draw_objects.cpp: the object pass around a cow, the item spin angles and the two home
// beacons.
#include "models/draw_passes.h"
#include "models/draw_handlers.h"
#include "rules/cow.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <climits>

float spinAngle;
float itemSpinAngle;
bool objectsFirst = true;

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

// The object of one cell moved to the cell centre on the cell's tile.
void drawObjectAt(int column, int row) {
    const WorldObject *object = ObjectGrid[column][row];
    glPushMatrix();
    glTranslatef(static_cast<float>(column), static_cast<float>(row),
                 TileGrid[column][row]->standHeight);
    glTranslatef(0.5f, 0.5f, 0);
    object->drawHandler(static_cast<int>(object->x), static_cast<int>(object->y));
    glPopMatrix();
}

// --- The object pass under way ---
ViewFrustum passView;   // the half's view volume
int skippedColumn = -1; // the object visited last, when it was left out (else -1)
int skippedRow = -1;

// The object of one cell, if any, unless its model's box lies outside the view. A model
// without a box draws with the state the object before it left, so that object is drawn
// first even when it was outside the view.
void drawObjectCell(int column, int row) {
    const WorldObject *object = ObjectGrid[column][row];
    if (!object)
        return;
    const ModelBox *box = legacyPasses ? nullptr : modelBoxOf(object->drawHandler);
    if (box) {
        const float at[3] = {column + 0.5f, row + 0.5f, TileGrid[column][row]->standHeight};
        float lowest[3], highest[3];
        for (int axis = 0; axis < 3; axis++) {
            lowest[axis] = at[axis] + box->lowest[axis];
            highest[axis] = at[axis] + box->highest[axis];
        }
        if (!boxInView(passView, lowest, highest)) {
            skippedColumn = column, skippedRow = row;
            return;
        }
    } else if (skippedColumn >= 0) {
        drawObjectAt(skippedColumn, skippedRow);
    }
    skippedColumn = skippedRow = -1;
    drawObjectAt(column, row);
}

// --- Objects before the ground: where the pass's order reaches the first barn (INT_MAX: none
// in view; -1: every object is drawn after the ground) ---
int splitRow = -1, splitColumn = -1;

bool beforeSplit(int column, int row) {
    return row < splitRow || (row == splitRow && column < splitColumn);
}

void findBarn(int column, int row) {
    const WorldObject *object = ObjectGrid[column][row];
    if (object && object->drawHandler == drawBarn && beforeSplit(column, row))
        splitRow = row, splitColumn = column;
}

void drawCellBeforeBarn(int column, int row) {
    if (beforeSplit(column, row))
        drawObjectCell(column, row);
}

void drawCellFromBarn(int column, int row) {
    if (!beforeSplit(column, row))
        drawObjectCell(column, row);
}

} // namespace

void drawObjectsBeforeGround(const Cow *cow) {
    splitRow = splitColumn = -1;
    if (!objectsFirst || legacyPasses)
        return;
    // the pass's order up to the barn: its roof blends over what was drawn before it
    splitRow = INT_MAX;
    drawVisibleCells(cow, RowOrder::Ascending, findBarn);
    passView = currentViewFrustum();
    skippedColumn = skippedRow = -1;
    drawVisibleCells(cow, RowOrder::Descending, drawCellBeforeBarn); // nearest first
}

void drawObjectPass(const Cow *cow) {
    passView = currentViewFrustum();
    skippedColumn = skippedRow = -1;
    // the barn roof blends: ascending rows, and from the barn on when the rest went first
    drawVisibleCells(cow, RowOrder::Ascending, splitRow >= 0 ? drawCellFromBarn : drawObjectCell);
}

void advanceSpinAngles() {
    spinAngle += SpinStepDegrees;
    itemSpinAngle += SpinStepDegrees;
}

void drawHomeBeacons(double height) {
    drawHomeBeaconOf(cow1, height);
    drawHomeBeaconOf(cow2, height);
}
