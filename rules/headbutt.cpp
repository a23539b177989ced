// headbutt.cpp: the head-butt lunge and what happens when one cow runs into the other.
#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"

void buttStep(Cow *cow) {
    if (cow->stamina > 0 && cow->buttSteps < ButtStepsMax && !cow->blocked) {
        cow->butting = true;
        startSound(Sound::CowHBSoundSource);
        cow->x += LungeStep * cow->dirX;
        cow->y += LungeStep * cow->dirY;
        cow->buttSteps += 1;
        cow->stamina -= ButtStaminaCost;
    } else {
        cow->butting = false;
    }
}

void useCarriedEffect(Cow *mover) {
    if (mover->carriedEffect != noTouch)
        startSound(Sound::InjectSyringe);
    mover->carriedEffect(mover->other, static_cast<int>(mover->x), static_cast<int>(mover->y));
    mover->carriedEffect = noTouch;
}

void stunOther(Cow *mover) {
    if (!mover->butting)
        return;
    mover->other->stunned = true;
    mover->other->stunTimer = 0;
    mover->other->stamina = 0;
}

void touchCow(Cow *mover, int, int) {
    Cow *other = mover->other;
    // only the mover backs off, and never off the cells that have tiles
    while (contactTest(mover, other))
        if (!stepBack(mover))
            break;
    useCarriedEffect(mover);
    stunOther(mover);
    if (mover->butting) {
        resumeSound(Sound::Hit);
        takeHay(mover, other->carriedHay);
        if (other->carriedEffect != noTouch) {
            other->carriedEffect = noTouch;
            startSound(Sound::SyringeBreak);
        }
    }
}
