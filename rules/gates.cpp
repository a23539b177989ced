// gates.cpp: each cow's gate: open for its owner, solid for the rival until butted open.
#include "rules/cow.h"
#include "rules/handlers.h"

namespace {

// The one gate rule, for mover `m` touching the gate at (column, row) that belongs to `owner`.
void touchGate(Cow *m, int column, int row, Cow *owner) {
    WorldObject *gate = objectAt(column, row);
    if (!gate)
        return;
    if (m == owner) {
        owner->gateBroken = false;
        owner->atOwnGate = true;
        gate->hitsLeft = GateHits;
        resumeSound(Sound::OpenGate);
    } else if (owner->gateBroken) {
        // broken open: the rival walks through
    } else if (m->butting) {
        gate->hitsLeft -= 1;
        // at 0 or below: a gate left at 0 when the owner reset another gate breaks again
        if (gate->hitsLeft <= 0)
            owner->gateBroken = true;
        else
            blockCow(m, column, row);
    } else {
        blockCow(m, column, row);
        resumeSound(Sound::ChainJingle);
    }
}

} // namespace

void touchGateOfCow1(Cow *cow, int column, int row) {
    touchGate(cow, column, row, cow1);
}

void touchGateOfCow2(Cow *cow, int column, int row) {
    touchGate(cow, column, row, cow2);
}
