// kind_models.cpp: the model of each object character, bound into the world's kind table.
#include "models/kind_models.h"
#include "models/draw_handlers.h"
#include "world/kinds.h"

namespace {

struct KindModel {
    char kind;
    DrawHandler draw;
};
constexpr KindModel KindModels[] = {
    {'!', drawSyringeItem}, // syringe
    {'#', drawFence},       // fence
    {'*', drawHayBale},     // hay bale
    {'+', drawGrowPill},    // grow pill
    {'/', drawGateOfCow2},  // gate of cow 2
    {'\\', drawGateOfCow1}, // gate of cow 1
    {'1', drawProfileCow},  // cow 1
    {'2', drawQuadricCow},  // cow 2
    {'@', drawSnailPill},   // snail pill
    {'B', drawBarn},        // barn
    {'F', drawTallFence},   // tall fence
    {'I', drawSilo},        // silo
    {'T', drawTree},        // tree
    {'Y', drawHeadPill},    // head pill
    {'o', drawRock},        // rock
    {'s', drawNothing},     // solid marker
    {'x', drawNothing},     // ring marker
    {StrayObjectKind, drawStrayObject},
};

} // namespace

void bindModelKinds() {
    for (const KindModel &model : KindModels)
        bindObjectModel(model.kind, model.draw);
}
