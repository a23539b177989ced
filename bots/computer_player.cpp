// computer_player.cpp: the computer player (first cut: it walks straight at the nearest hay).
#include "bots/computer_player.h"
#include "input/keys.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "world/grids.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

struct ComputerPlayer {
    Cow *cow;
    ComputerLevel level;
    unsigned seed;
};

bool parseComputerLevel(const char *text, ComputerLevel &level) {
    for (ComputerLevel l : {ComputerLevel::Easy, ComputerLevel::Normal, ComputerLevel::Hard})
        if (text && std::strcmp(text, computerLevelName(l)) == 0) {
            level = l;
            return true;
        }
    return false;
}

const char *computerLevelName(ComputerLevel level) {
    switch (level) {
    case ComputerLevel::Easy:
        return "easy";
    case ComputerLevel::Hard:
        return "hard";
    default:
        return "normal";
    }
}

ComputerPlayer *startComputer(int cowNumber, ComputerLevel level, unsigned seed) {
    Cow *cow = cowNumber == 1 ? cow1 : cowNumber == 2 ? cow2 : nullptr;
    if (!cow)
        return nullptr;
    return new ComputerPlayer{cow, level, seed};
}

void stopComputer(ComputerPlayer *player) {
    delete player;
}

void computerHoldKeys(ComputerPlayer *player) {
    Cow *cow = player->cow;
    for (int code :
         {cow->keyUp, cow->keyDown, cow->keyLeft, cow->keyRight, cow->keyJump, cow->keyButt})
        setKeyFrom(ComputerSource, code, false);
    if (cow->won || cow->other->won || cow->carriedHay >= carryLimit)
        return;
    float bestDistance = 1e9f;
    int bestColumn = -1, bestRow = -1;
    for (int row = 0; row < mapRows; row++)
        for (int column = 0; column < mapColumns; column++) {
            const WorldObject *object = objectAt(column, row);
            if (!object || object->touchHandler != pickUpHay)
                continue;
            float d = std::fabs(column + 0.5f - cow->x) + std::fabs(row + 0.5f - cow->y);
            if (d < bestDistance)
                bestDistance = d, bestColumn = column, bestRow = row;
        }
    if (bestColumn < 0)
        return;
    float dx = bestColumn + 0.5f - cow->x, dy = bestRow + 0.5f - cow->y;
    if (dx > 0.3f)
        setKeyFrom(ComputerSource, cow->keyRight, true);
    if (dx < -0.3f)
        setKeyFrom(ComputerSource, cow->keyLeft, true);
    if (dy > 0.3f)
        setKeyFrom(ComputerSource, cow->keyDown, true);
    if (dy < -0.3f)
        setKeyFrom(ComputerSource, cow->keyUp, true);
}
