// kind_rules.cpp: the rules of each map character (touch, enter and placement handlers) and
// the making of the two cows, bound into the world's kind tables.
#include "rules/kind_rules.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "world/kinds.h"

namespace {

// What a cow does to the world: (map character, touch handler, placement handler).
struct ObjectRules {
    char kind;
    TouchHandler touch;
    PlaceHandler place;
};
constexpr ObjectRules ObjectKindRules[] = {
    {'!', pickUpSyringe, noPlace},     // syringe
    {'#', blockCow, noPlace},          // fence
    {'*', pickUpHay, noPlace},         // hay bale
    {'+', takeGrowPill, noPlace},      // grow pill
    {'/', touchGateOfCow2, noPlace},   // gate of cow 2
    {'\\', touchGateOfCow1, noPlace},  // gate of cow 1
    {'1', touchCow, noPlace},          // cow 1
    {'2', touchCow, noPlace},          // cow 2
    {'@', removeTouched, noPlace},     // snail pill
    {'B', noTouch, placeBarnMarkers},  // barn
    {'F', blockCow, noPlace},          // tall fence
    {'I', noTouch, placeSiloMarkers},  // silo
    {'T', blockCow, noPlace},          // tree
    {'Y', takeHeadPill, noPlace},      // head pill
    {'o', blockCow, noPlace},          // rock
    {'s', blockCow, noPlace},          // solid marker
    {'x', blockCow, placeRingMarkers}, // ring marker
};

// Both cows at their homes, each the other's rival.
void makeCows(int column1, int row1, int column2, int row2) {
    cow1 = createCow('1', column1, row1);
    cow2 = createCow('2', column2, row2);
    cow1->other = cow2;
    cow2->other = cow1;
}

void freeCows() {
    delete cow1;
    delete cow2;
    cow1 = cow2 = nullptr;
}

} // namespace

void bindRuleKinds() {
    bindTileRules('.', enterDirt);
    bindTileRules('_', enterGrass);
    bindTileRules('~', enterWater);
    for (const ObjectRules &rules : ObjectKindRules)
        bindObjectRules(rules.kind, rules.touch, rules.place);
    bindCowMaker({makeCows, freeCows});
}
