// action_bits.cpp: a cow's actions between the key table and a byte.
#include "net/action_bits.h"
#include "input/controls.h"
#include "input/keys.h"

#include <algorithm>

ActionBits heldActionBits(int player) {
    ActionBits bits = 0;
    for (int a = 0; a < ActionCount; a++)
        if (isKeyDown(actionCode(player, static_cast<Action>(a))))
            bits |= static_cast<ActionBits>(1u << a);
    return bits;
}

void holdActionBits(ActionBits cow1, ActionBits cow2) {
    const ActionBits bits[PlayerCount] = {cow1, cow2};
    for (int player = 0; player < PlayerCount; player++)
        for (int a = 0; a < ActionCount; a++)
            setKeySources(actionCode(player, static_cast<Action>(a)),
                          (bits[player] >> a) & 1u ? KeyboardSource : 0u);
}

static_assert(ActionCount == 7 && PlayerCount == 2, "ActionBitsHeld::saved's size");

ActionBitsHeld::ActionBitsHeld(ActionBits cow1, ActionBits cow2) {
    for (int player = 0; player < PlayerCount; player++)
        for (int a = 0; a < ActionCount; a++)
            saved[player][a] = keySources(actionCode(player, static_cast<Action>(a)));
    holdActionBits(cow1, cow2);
}

ActionBitsHeld::~ActionBitsHeld() {
    for (int player = 0; player < PlayerCount; player++)
        for (int a = 0; a < ActionCount; a++)
            setKeySources(actionCode(player, static_cast<Action>(a)), saved[player][a]);
}

std::vector<int> actionKeyCodes(ActionBits cow1, ActionBits cow2) {
    const ActionBits bits[PlayerCount] = {cow1, cow2};
    std::vector<int> codes;
    for (int player = 0; player < PlayerCount; player++)
        for (int a = 0; a < ActionCount; a++)
            if ((bits[player] >> a) & 1u)
                codes.push_back(actionCode(player, static_cast<Action>(a)));
    std::sort(codes.begin(), codes.end());
    return codes;
}

void actionBitsOfKeys(const std::vector<int> &keys, ActionBits &cow1, ActionBits &cow2) {
    ActionBits *bits[PlayerCount] = {&cow1, &cow2};
    cow1 = cow2 = 0;
    for (int player = 0; player < PlayerCount; player++)
        for (int a = 0; a < ActionCount; a++)
            if (std::find(keys.begin(), keys.end(), actionCode(player, static_cast<Action>(a))) !=
                keys.end())
                *bits[player] |= static_cast<ActionBits>(1u << a);
}
