// cow.cpp: creating a cow with its defaults and keys; the drawing scales.
#include "rules/cow.h"
#include "input/keys.h"

#include <cmath>
#include <cstring>

float modelScale[2] = {Cow1NormalScale, Cow2NormalScale};

float &modelScaleOf(const Cow *cow) { return modelScale[cow == cow2 ? 1 : 0]; }

Cow *createCow(char kind, int column, int row) {
    Cow *cow = new Cow{};
    initObject(cow, kind, column, row);
    cow->groundHeight = cow->z;
    cow->carriedEffect = noTouch;
    cow->stamina = 100;
    cow->stepClearance = 0.3f;
    cow->tile = TileGrid[column][row];
    cow->maxSpeed = 0.5f;
    cow->jumpAmplitude = 2.0f;
    cow->dirY = 0;
    if (kind == '1') {
        std::strcpy(cow->name, "Duffy");
        cow->dirX = -1;
        cow->mooSource = Sound::Cow1Jump;
        cow->keyUp = VK_Up;
        cow->keyDown = VK_Down;
        cow->keyLeft = VK_Left;
        cow->keyRight = VK_Right;
        cow->keyJump = VK_Insert;
        cow->keyButt = VK_Delete;
        cow->keyControls = VK_F12;
        modelScale[0] = Cow1NormalScale;
    } else {
        std::strcpy(cow->name, "Clover");
        cow->dirX = 1;
        cow->mooSource = Sound::Cow2JumpSoundSource;
        cow->keyUp = 'W';
        cow->keyDown = 'S';
        cow->keyLeft = 'A';
        cow->keyRight = 'D';
        cow->keyJump = 'T';
        cow->keyButt = 'F';
        cow->keyControls = VK_F1;
        modelScale[1] = Cow2NormalScale;
    }
    return cow;
}

void followGround(Cow *cow) {
    if (!cow->jumping) {
        cow->z = TileGrid[static_cast<int>(std::floor(cow->x))][static_cast<int>(std::floor(cow->y))]
                     ->standHeight;
        cow->groundHeight = cow->z;
    } else {
        cow->z = cow->groundHeight + cow->jumpHeight;
    }
}
