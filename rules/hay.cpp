// hay.cpp: picking hay up, banking it at home, stealing from the rival's bank, winning.
#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"

namespace {

// True when the cow stands strictly within HomeRadius cells of the home cell (column, row).
bool atHome(const Cow *cow, int column, int row) {
    return column - HomeRadius < cow->x && cow->x < column + HomeRadius &&
           row - HomeRadius < cow->y && cow->y < row + HomeRadius;
}

} // namespace

void takeHay(Cow *cow, int &source) {
    int room = carryLimit - cow->carriedHay;
    if (source <= room) {
        cow->carriedHay += source;
        source = 0;
    } else {
        cow->carriedHay = carryLimit;
        source -= room;
    }
}

void pickUpHay(Cow *cow, int column, int row) {
    if (cow->carriedHay >= carryLimit || cow->won || cow->other->won) {
        resumeSound(Sound::CowFull);
        return;
    }
    cow->carriedHay += 1;
    resumeSound(Sound::CowChewSoundSource);
    removeObjectAt(column, row);
}

void bankHay(Cow *cow) {
    if (cow->carriedHay > 0)
        startSound(Sound::HayYAYSoundSource);
    cow->bankedHay += cow->carriedHay;
    cow->carriedHay = 0;
}

void homeAndStealStep(Cow *cow) {
    if (atHome(cow, cow->homeCol, cow->homeRow))
        bankHay(cow);
    Cow *other = cow->other;
    if (atHome(cow, other->homeCol, other->homeRow)) {
        startSound(Sound::HayStolen);
        takeHay(cow, other->bankedHay);
    }
}

void winningCheck(Cow *cow) {
    if (cow->bankedHay < winningBank)
        return;
    cow->won = true;
    cow->carriedHay = cow->bankedHay = 0;
    cow->other->carriedHay = cow->other->bankedHay = 0;
    startSound(Sound::GameWon);
}
