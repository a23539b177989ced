// water.cpp: what the ground tiles do to a cow: splashing into water and climbing out.
#include "rules/cow.h"
#include "rules/handlers.h"

namespace {

// Grass and dirt: the cow is out of the water; the sonar stops once neither cow is in it.
void enterDryGround(Cow *cow) {
    cow->inWater = false;
    if (cow->leftWater) {
        startSound(Sound::GetOutoftheWater);
        cow->leftWater = false;
    }
    if (!cow->other->inWater) {
        stopSound(Sound::CowSplashSoundSource);
        stopSound(Sound::CowSonarSoundSource);
    }
}

} // namespace

void enterWater(Cow *cow, int column, int row) {
    cow->leftWater = false;
    const Tile *tile = tileAt(column, row);
    // the base height is the one the last drawn frame gave the cow
    if (!cow->inWater && tile && cow->z <= tile->surfaceHeight) {
        startSound(Sound::CowSplashSoundSource);
        startSound(Sound::CowSonarSoundSource);
        cow->inWater = true;
    }
}

void enterGrass(Cow *cow, int, int) {
    enterDryGround(cow);
}

void enterDirt(Cow *cow, int, int) {
    enterDryGround(cow);
}
