// items.cpp: syringes and the injection, the grow, head and snail pills.
#include "rules/console.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"

float normalScaleOf(const Cow *cow) {
    return cow == cow2 ? Cow2NormalScale : Cow1NormalScale;
}

float bigScaleOf(const Cow *cow) {
    return cow == cow2 ? Cow2BigScale : Cow1BigScale;
}

void pickUpSyringe(Cow *cow, int column, int row) {
    startSound(Sound::SyringePickup);
    cow->carriedEffect = slowDown;
    removeObjectAt(column, row);
}

void slowDown(Cow *victim, int, int) {
    consoleWrite("SLOW!");
    startSound(Sound::Slowdown);
    victim->recovering = true;
    victim->maxSpeed = SlowedMaxSpeed;
}

void takeGrowPill(Cow *cow, int column, int row) {
    startSound(Sound::CowGrowSoundSource);
    cow->big = true;
    modelScaleOf(cow) = bigScaleOf(cow);
    cow->stamina = BigStamina;
    removeObjectAt(column, row);
}

void shrinkCow(Cow *cow) {
    startSound(Sound::CowShrinkSoundSource);
    cow->big = false;
    modelScaleOf(cow) = normalScaleOf(cow);
}

void takeHeadPill(Cow *, int column, int row) {
    removeObjectAt(column, row);
}

void removeTouched(Cow *, int column, int row) {
    removeObjectAt(column, row);
}
