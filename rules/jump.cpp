// jump.cpp: the jump arc and its moo.
#include "rules/cow.h"
#include "rules/steps.h"

#include <cmath>

namespace {

// The moo for a jump starting now, chosen by the cow's drawing scale (compared exactly).
void startJumpMoo(const Cow *cow) {
    float scale = modelScaleOf(cow);
    if (cow == cow2) {
        if (scale == Cow2NormalScale)
            startSound(cow->mooSource);
        else if (scale == Cow2BigScale)
            startSound(Sound::Cow2BigJump);
    } else {
        if (scale == Cow1NormalScale)
            startSound(cow->mooSource);
        else if (scale == Cow1BigScale)
            startSound(Sound::Cow1BigJump);
    }
}

} // namespace

void jumpStep(Cow *cow) {
    if (!cow->jumping)
        startJumpMoo(cow);
    cow->jumping = true;
    // the phase is cut to whole degrees before the sine
    cow->jumpHeight = std::sin(std::trunc(cow->jumpPhase) * DegreesToRadians) * cow->jumpAmplitude;
    cow->jumpPhase += JumpPhaseStep;
    if (cow->jumpHeight < 0) {
        cow->jumping = false;
        cow->jumpHeight = 0;
        cow->jumpPhase = 0;
    }
}
