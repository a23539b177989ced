// rules_state.h: the complete state of the rules between two ticks, as a value that can be
// saved, put back and checksummed, so that ticks can be run again (network play rolls back to
// a wrong prediction; the replay tool's sync test rolls back at every tick).
#pragma once

#include "rules/cow.h"

#include <cstdint>
#include <vector>

// An object whose touch can change it (taken away, or a gate's hits), between two ticks.
struct ObjectState {
    bool present; // still on its cell
    int hitsLeft; // as it stood (gates count head-butts down)
};

// Everything the rules read or write between ticks, for the world it was saved from. Copyable.
// Not held, because no tick changes them: the tiles, the objects no touch can change (solid
// things, scenery, markers), the map's size and the kind tables; nor the key table, whose
// actions' keys whoever runs a tick holds before it (net/action_bits.h), nor the list of
// objects taken, which is empty between ticks.
struct RulesState {
    Cow cows[2];                      // cow1 and cow2; their pointers are re-derived on restore
    float modelScale[2];              // the drawing scales, which the rules read (the moo)
    std::vector<ObjectState> objects; // the changeable objects, in reading order of the grid
    unsigned long long world = 0;     // the map load the state belongs to (0: never saved)
};

// Save the live state into `out` (reusing its storage: no allocation after the first save).
void saveRulesState(RulesState &out);
// Put a state saved from the current world back: cows, scales, objects taken (made again
// exactly as loaded) and gates' hits. False, with nothing changed, for a state of another world.
bool restoreRulesState(const RulesState &in);
// A 64-bit checksum of a canonical byte encoding of the live state (no pointers, no padding):
// equal on every machine for equal states.
uint64_t rulesStateChecksum();
// The same checksum of a saved state: equal to rulesStateChecksum() of the state it was saved
// from.
uint64_t checksumOf(const RulesState &state);
