// kind_models_test.cpp: every object kind gets its model, and every other byte the stray one.
#include "models/draw_handlers.h"
#include "models/kind_models.h"
#include "world/grids.h"
#include "world/kinds.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

struct KindModel {
    char character;
    DrawHandler draw;
};
const KindModel KindModels[] = {
    {'!', drawSyringeItem}, {'#', drawFence},       {'*', drawHayBale},    {'+', drawGrowPill},
    {'/', drawGateOfCow2},  {'\\', drawGateOfCow1}, {'1', drawProfileCow}, {'2', drawQuadricCow},
    {'@', drawSnailPill},   {'B', drawBarn},        {'F', drawTallFence},  {'I', drawSilo},
    {'T', drawTree},        {'Y', drawHeadPill},    {'o', drawRock},       {'s', drawNothing},
    {'x', drawNothing},
};

TEST(KindModels, EachKindDrawsItsModelAndEveryOtherByteTheStrayObject) {
    bindModelKinds();
    freeWorld();
    TileGrid[3][4] = createTile('_', 3, 4);
    for (const KindModel &kind : KindModels) {
        std::unique_ptr<WorldObject> object(createObject(kind.character, 3, 4));
        EXPECT_EQ(object->drawHandler, kind.draw) << "object " << kind.character;
    }
    for (char c : {'a', 'Z', '?', '\0', static_cast<char>(200)}) {
        std::unique_ptr<WorldObject> object(createObject(c, 3, 4));
        EXPECT_EQ(object->drawHandler, drawStrayObject) << "byte " << static_cast<int>(c);
    }
    freeWorld();
}

} // namespace
