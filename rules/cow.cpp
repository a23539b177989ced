// cow.cpp: creating a cow with its defaults and keys; the drawing scales.
#include "rules/cow.h"
#include "input/controls.h"

#include <cmath>
#include <cstring>

float modelScale[2] = {Cow1NormalScale, Cow2NormalScale};

float &modelScaleOf(const Cow *cow) {
    return modelScale[cow == cow2 ? 1 : 0];
}

Cow *createCow(char kind, int column, int row) {
    Cow *cow = new Cow{};
    initObject(cow, kind, column, row);
    cow->groundHeight = cow->z;
    cow->carriedEffect = noTouch;
    cow->stamina = 100;
    cow->stepClearance = 0.3f;
    cow->tile = TileGrid[column][row];
    cow->homeCol = column; // the cell a cow starts on is its home
    cow->homeRow = row;
    cow->maxSpeed = 0.5f;
    cow->jumpAmplitude = 2.0f;
    cow->dirY = 0;
    // the keys by the codes the key table gives each action (bound keys and pads give them too)
    const int player = kind == '1' ? 0 : 1;
    cow->keyUp = actionCode(player, Action::Up);
    cow->keyDown = actionCode(player, Action::Down);
    cow->keyLeft = actionCode(player, Action::Left);
    cow->keyRight = actionCode(player, Action::Right);
    cow->keyJump = actionCode(player, Action::Jump);
    cow->keyButt = actionCode(player, Action::Butt);
    cow->keyControls = actionCode(player, Action::Controls);
    if (kind == '1') {
        std::strcpy(cow->name, "Duffy");
        cow->dirX = -1;
        cow->mooSource = Sound::Cow1Jump;
        modelScale[0] = Cow1NormalScale;
    } else {
        std::strcpy(cow->name, "Clover");
        cow->dirX = 1;
        cow->mooSource = Sound::Cow2JumpSoundSource;
        modelScale[1] = Cow2NormalScale;
    }
    return cow;
}

void followGround(Cow *cow) {
    if (!cow->jumping) {
        cow->z =
            TileGrid[static_cast<int>(std::floor(cow->x))][static_cast<int>(std::floor(cow->y))]
                ->standHeight;
        cow->groundHeight = cow->z;
    } else {
        cow->z = cow->groundHeight + cow->jumpHeight;
    }
}
