// play_tick.cpp: the rules half of a play frame.
#include "rules/play_tick.h"
#include "input/keys.h"
#include "rules/cow.h"

#include <initializer_list>

void stepPlayTick() {
    updateCow(cow1);
    updateCow(cow2);
    // ground following comes after both updates: the rules see the height one update late
    for (const Cow *half : {cow1, cow2})
        if (!isKeyDown(half->keyControls)) {
            followGround(cow1);
            followGround(cow2);
        }
}
