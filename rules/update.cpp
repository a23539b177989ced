// update.cpp: updateCow, the once-per-frame rules update of one cow, in its seventeen steps.
#include "rules/cow.h"
#include "rules/steps.h"
#include "input/keys.h"

#include <cmath>

namespace {

constexpr float FullStamina = 100;       // stamina regenerates up to here
constexpr float StaminaPerUpdate = 0.5f; // regained per update while not butting
constexpr int StunUpdates = 60;          // stunTimer value at which a stun ends
constexpr double NormalMaxSpeed = 0.5;   // walking speed limit on land
constexpr double WaterMaxSpeed = 0.25;   // water halves maxSpeed down to this
constexpr char WaterKind = '~';          // the water tile character

// Step 8: the object in the probe cell, if the cow touches it.
void touchObjectAhead(Cow *cow) {
    Cell probe = probeCell(cow);
    WorldObject *object = objectAt(probe.column, probe.row);
    if (object && contactTest(cow, object)) {
        object->touchHandler(cow, probe.column, probe.row);
        releaseRemovedObjects(); // the handler has returned: free what it took
    }
}

// Step 12: water caps the speed; stepping out onto grass or dirt restores it.
void waterSpeed(Cow *cow) {
    if (cow->inWater) {
        if (cow->maxSpeed > WaterMaxSpeed) {
            cow->maxSpeed = cow->maxSpeed / 2;
            cow->speed = cow->maxSpeed;
        }
    } else if (cow->leftWater) {
        cow->maxSpeed = NormalMaxSpeed;
    }
}

// Step 17: maxSpeed grows back after an injection.
void recoverFromInjection(Cow *cow) {
    if (!cow->recovering || cow->stunned)
        return;
    if (cow->maxSpeed < NormalMaxSpeed) {
        cow->maxSpeed += RecoveryPerUpdate;
    } else {
        cow->maxSpeed = NormalMaxSpeed;
        cow->recovering = false;
    }
}

} // namespace

void updateCow(Cow *cow) {
    // 1. where the update starts
    cow->startX = cow->x;
    cow->startY = cow->y;
    const Tile *startTile = tileAt(static_cast<int>(cow->x), static_cast<int>(cow->y));

    // 2. jump
    if ((isKeyDown(cow->keyJump) || cow->jumping) && !cow->butting && !cow->stunned)
        jumpStep(cow);

    // 3. head-butt, or stamina back while the key is up
    if ((isKeyDown(cow->keyButt) || cow->butting) && !cow->jumping && !cow->stunned) {
        buttStep(cow);
    } else {
        cow->butting = false;
        if (!isKeyDown(cow->keyButt)) {
            cow->buttSteps = 0;
            if (cow->stamina < FullStamina && !cow->stunned)
                cow->stamina += StaminaPerUpdate;
        }
    }

    // 4, 5. turn, read the heading, walk
    if (!cow->butting && !cow->stunned) {
        turnTowardKeys(cow);
        if (!cow->jumping)
            readDirectionKeys(cow);
    }
    if (!cow->butting && !cow->stunned)
        accelerateAndStep(cow);

    // 6.
    cow->atOwnGate = false;
    cow->blocked = false;

    // 7-9. the map edge, the object ahead, the other cow
    backOffFromEdge(cow);
    touchObjectAhead(cow);
    Cow *other = cow->other;
    if (contactTest(cow, other))
        other->touchHandler(cow, static_cast<int>(other->x), static_cast<int>(other->y));

    // 10, 11. the tile underneath
    Tile *tile = tileAt(static_cast<int>(std::floor(cow->x)), static_cast<int>(std::floor(cow->y)));
    cow->tile = tile;
    tile->enterHandler(cow, tile->column, tile->row);
    if (startTile && startTile->kind == WaterKind && tile->kind != WaterKind)
        cow->leftWater = true;

    // 12-14. water speed, home and the rival's home, the win
    waterSpeed(cow);
    homeAndStealStep(cow);
    winningCheck(cow);

    // 15. a big cow shrinks once its stamina is down to 100
    if (cow->big && cow->stamina <= FullStamina)
        shrinkCow(cow);

    // 16. stun countdown
    if (cow->stunned) {
        if (cow->stunTimer >= StunUpdates)
            cow->stunned = false;
        else
            cow->stunTimer += 1;
    }

    // 17.
    recoverFromInjection(cow);
}
