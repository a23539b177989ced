// movement.cpp: heading, turning, walking, the probe cell, the map edge and the contact test.
#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"
#include "input/keys.h"

#include <cmath>

namespace {

// Longest back-off from the map edge, in steps: far beyond the longest move of one update
// (a diagonal lunge), so it is only reached when no tiled ground lies behind the cow.
constexpr int MaxEdgeBackOffSteps = 1000;

// The four direction keys as they stand now.
struct DirectionKeys {
    bool up, down, left, right;
};

DirectionKeys readKeys(const Cow *cow) {
    return {isKeyDown(cow->keyUp), isKeyDown(cow->keyDown), isKeyDown(cow->keyLeft),
            isKeyDown(cow->keyRight)};
}

// The rules of one row of the turning table; each tests facing as the rule before left it.
void turnUp(int &f) {
    if (90 <= f && f < 270)
        f += TurnStep;
    if (0 <= f && f < 90) {
        f -= TurnStep;
        if (f < 0)
            f += 360;
    }
    if (f > 270)
        f -= TurnStep;
}

void turnUpRight(int &f) {
    if (135 <= f && f < 315)
        f += TurnStep;
    if (0 <= f && f < 135) {
        f -= TurnStep;
        if (f < 0)
            f += 360;
    }
    if (f > 315)
        f -= TurnStep;
}

void turnUpLeft(int &f) {
    if (45 <= f && f < 225)
        f += TurnStep;
    if (225 < f && f < 359)
        f -= TurnStep;
    if (f < 45) {
        f -= TurnStep;
        if (f < 0)
            f += 360;
    }
}

void turnDown(int &f) {
    if (270 < f && f < 360) {
        f += TurnStep;
        if (f >= 360)
            f %= 360;
    }
    if (0 <= f && f <= 90)
        f += TurnStep;
    if (90 < f && f <= 270)
        f -= TurnStep;
}

void turnDownRight(int &f) {
    if (225 <= f && f < 360) {
        f += TurnStep;
        if (f >= 360)
            f %= 360;
    }
    if (0 <= f && f <= 45)
        f += TurnStep;
    if (45 < f && f < 225)
        f -= TurnStep;
}

void turnDownLeft(int &f) {
    if (f < 135)
        f += TurnStep;
    if (f > 135)
        f -= TurnStep;
}

void turnRight(int &f) {
    if (180 <= f && f < 360) {
        f += TurnStep;
        if (f % 360 == 0)
            f = 0;
    }
    if (0 < f && f < 180) {
        f -= TurnStep;
        if (f < 0)
            f += 360;
    }
}

void turnLeft(int &f) {
    if (f < 180)
        f += TurnStep;
    if (f > 180)
        f -= TurnStep;
}

// The cell under the point (x, y).
Cell cellAt(double x, double y) {
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

bool hasTile(Cell cell) {
    return tileAt(cell.column, cell.row) != nullptr;
}

} // namespace

void readDirectionKeys(Cow *cow) {
    bool vertical = false, horizontal = false;
    if (isKeyDown(cow->keyUp)) {
        cow->dirY = -1;
        vertical = true;
    }
    if (isKeyDown(cow->keyDown)) {
        cow->dirY = 1;
        vertical = true;
    }
    if (isKeyDown(cow->keyRight)) {
        cow->dirX = 1;
        horizontal = true;
    }
    if (isKeyDown(cow->keyLeft)) {
        cow->dirX = -1;
        horizontal = true;
    }
    if (vertical || horizontal) {
        if (!horizontal)
            cow->dirX = 0;
        if (!vertical)
            cow->dirY = 0;
    }
}

void turnTowardKeys(Cow *cow) {
    DirectionKeys k = readKeys(cow);
    int &f = cow->facing;
    if (k.up && !k.down && !k.left && !k.right)
        turnUp(f);
    else if (k.up && !k.down && !k.left && k.right)
        turnUpRight(f);
    else if (k.up && !k.down && k.left && !k.right)
        turnUpLeft(f);
    else if (!k.up && k.down && !k.left && !k.right)
        turnDown(f);
    else if (!k.up && k.down && !k.left && k.right)
        turnDownRight(f);
    else if (!k.up && k.down && k.left && !k.right)
        turnDownLeft(f);
    else if (!k.up && !k.down && !k.left && k.right)
        turnRight(f);
    else if (!k.up && !k.down && k.left && !k.right)
        turnLeft(f);
}

void accelerateAndStep(Cow *cow) {
    bool moving = isKeyDown(cow->keyDown) || isKeyDown(cow->keyUp) || isKeyDown(cow->keyRight) ||
                  isKeyDown(cow->keyLeft);
    if (moving && cow->speed < cow->maxSpeed) {
        cow->speed += Acceleration;
        if (cow->speed > cow->maxSpeed)
            cow->speed = cow->maxSpeed;
    }
    if (!moving && cow->speed > 0) {
        cow->speed -= Deceleration;
        if (cow->speed <= StopSpeed)
            cow->speed = 0;
    }
    if (cow->speed != 0) {
        // float x int stays float: the step is the float speed cut to hundredths
        float step = std::floor(cow->speed * 100) / 100;
        cow->x += step * cow->dirX;
        cow->y += step * cow->dirY;
    }
}

Cell probeCell(const Cow *cow) {
    return cellAt(cow->x + cow->dirX * ProbeDistance, cow->y + cow->dirY * ProbeDistance);
}

bool standsOnTile(const Cow *cow) {
    return hasTile(cellAt(cow->x, cow->y));
}

namespace {
// Where one back-off step against the heading puts the cow (float fields, double step).
void steppedBack(const Cow *cow, float &x, float &y) {
    x = cow->x;
    y = cow->y;
    x -= cow->dirX * BackOffStep;
    y -= cow->dirY * BackOffStep;
}
} // namespace

bool stepBack(Cow *cow) {
    float x, y;
    steppedBack(cow, x, y);
    if (!hasTile(cellAt(x, y)))
        return false;
    cow->x = x;
    cow->y = y;
    return true;
}

void backOffFromEdge(Cow *cow) {
    // Back off while the probe cell, or the cell under the cow (after a lunge across a
    // corner of the tiles), has no tile; never from a tiled cell onto one without a tile.
    for (int steps = 0; steps < MaxEdgeBackOffSteps; steps++) {
        bool onTile = standsOnTile(cow);
        if (onTile && hasTile(probeCell(cow)))
            return;
        if (onTile) {
            if (!stepBack(cow))
                return;
        } else {
            steppedBack(cow, cow->x, cow->y);
        }
    }
    // no tiled ground behind the cow along its heading: back to where the update began
    if (!standsOnTile(cow)) {
        cow->x = cow->startX;
        cow->y = cow->startY;
    }
}

bool contactTest(const Cow *a, const WorldObject *b) {
    bool overlapX = a->x < b->x ? b->x - b->halfWidth < a->x + a->halfWidth
                                : b->x + b->halfWidth > a->x - a->halfWidth;
    bool overlapY = a->y < b->y ? b->y - b->halfWidth < a->y + a->halfWidth
                                : b->y + b->halfWidth > a->y - a->halfWidth;
    bool overlapZ = b->z + b->height > a->z + a->jumpHeight + a->stepClearance;
    return overlapX && overlapY && overlapZ;
}

void blockCow(Cow *cow, int, int) {
    cow->blocked = true;
    for (;;) {
        Cell probe = probeCell(cow);
        WorldObject *object = objectAt(probe.column, probe.row);
        if (!object || !contactTest(cow, object))
            return;
        if (!stepBack(cow))
            return; // the edge of the tiles: go no further
    }
}
