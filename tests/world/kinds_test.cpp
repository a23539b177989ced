// kinds_test.cpp: the tile and object kind tables: heights, the rules' handlers and the
// fallbacks.
#include "rules/handlers.h"
#include "world/grids.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

struct TileKind {
    char character;
    float stand, surface;
    EnterHandler enter;
};

// The heights as float products of the raw values and 0.3, the way the table gives them.
const TileKind TileKinds[] = {
    {'.', static_cast<float>(2 * 0.3), static_cast<float>(2 * 0.3), enterDirt},
    {'_', static_cast<float>(3 * 0.3), static_cast<float>(3 * 0.3), enterGrass},
    {'e', static_cast<float>(10 * 0.3), static_cast<float>(10 * 0.3), noTouch},
    {'E', static_cast<float>(15 * 0.3), static_cast<float>(15 * 0.3), noTouch},
    {'~', static_cast<float>(-2 * 0.3), static_cast<float>(1 * 0.3), enterWater},
};
const float WallHeight = static_cast<float>(20 * 0.3);

TEST(TileKinds, EachKindHasItsHeightsAndHandler) {
    for (const TileKind &kind : TileKinds) {
        std::unique_ptr<Tile> tile(createTile(kind.character, 7, 9));
        SCOPED_TRACE(std::string("tile ") + kind.character);
        EXPECT_EQ(tile->kind, kind.character);
        EXPECT_EQ(tile->column, 7);
        EXPECT_EQ(tile->row, 9);
        EXPECT_EQ(tile->standHeight, kind.stand);
        EXPECT_EQ(tile->surfaceHeight, kind.surface);
        EXPECT_EQ(tile->enterHandler, kind.enter);
    }
    std::unique_ptr<Tile> water(createTile('~', 0, 0));
    EXPECT_FLOAT_EQ(water->standHeight, -0.6f);
    EXPECT_FLOAT_EQ(water->surfaceHeight, 0.3f);
}

TEST(TileKinds, EveryOtherByteIsAWallBlock) {
    for (int byte = 0; byte < 256; byte++) {
        char c = static_cast<char>(byte);
        if (c == '.' || c == '_' || c == 'e' || c == 'E' || c == '~')
            continue;
        std::unique_ptr<Tile> tile(createTile(c, 0, 0));
        ASSERT_EQ(tile->standHeight, WallHeight) << "byte " << byte;
        ASSERT_EQ(tile->surfaceHeight, WallHeight) << "byte " << byte;
        ASSERT_EQ(tile->enterHandler, noTouch) << "byte " << byte;
        ASSERT_EQ(tile->kind, c);
    }
    std::unique_ptr<Tile> space(createTile(' ', 0, 0));
    EXPECT_FLOAT_EQ(space->standHeight, 6.0f);
}

struct ObjectKind {
    char character;
    TouchHandler touch;
    PlaceHandler place;
    float height;
};

const ObjectKind ObjectKinds[] = {
    {'!', pickUpSyringe, noPlace, 1.0f},      {'#', blockCow, noPlace, 1.0f},
    {'*', pickUpHay, noPlace, 1.0f},          {'+', takeGrowPill, noPlace, 1.0f},
    {'/', touchGateOfCow2, noPlace, 100.0f},  {'\\', touchGateOfCow1, noPlace, 100.0f},
    {'1', touchCow, noPlace, 1.0f},           {'2', touchCow, noPlace, 1.0f},
    {'@', removeTouched, noPlace, 1.0f},      {'B', noTouch, placeBarnMarkers, 10.0f},
    {'F', blockCow, noPlace, 100.0f},         {'I', noTouch, placeSiloMarkers, 1.0f},
    {'T', blockCow, noPlace, 100.0f},         {'Y', takeHeadPill, noPlace, 1.0f},
    {'o', blockCow, noPlace, 1.0f},           {'s', blockCow, noPlace, 20.0f},
    {'x', blockCow, placeRingMarkers, 20.0f},
};

// Objects are created on a tile of the grid; the fixture owns that tile.
class ObjectKinds_ : public ::testing::Test {
  protected:
    void SetUp() override { freeWorld(); }
    void TearDown() override { freeWorld(); }
    std::unique_ptr<WorldObject> createOn(char tileKind, char objectKind) {
        delete TileGrid[3][4];
        TileGrid[3][4] = createTile(tileKind, 3, 4);
        return std::unique_ptr<WorldObject>(createObject(objectKind, 3, 4));
    }
};

TEST_F(ObjectKinds_, EachKindHasItsHandlersAndSize) {
    for (const ObjectKind &kind : ObjectKinds) {
        SCOPED_TRACE(std::string("object ") + kind.character);
        std::unique_ptr<WorldObject> object = createOn('_', kind.character);
        EXPECT_EQ(object->kind, kind.character);
        EXPECT_EQ(object->touchHandler, kind.touch);
        EXPECT_EQ(object->placeHandler, kind.place);
        EXPECT_EQ(object->height, kind.height);
        EXPECT_EQ(object->halfWidth, 1.0f);
        EXPECT_EQ(object->x, 3.0f);
        EXPECT_EQ(object->y, 4.0f);
        bool gate = kind.character == '/' || kind.character == '\\';
        if (gate) {
            EXPECT_EQ(object->hitsLeft, 3);
        }
    }
}

TEST_F(ObjectKinds_, OtherBytesAreStrayObjectsThatCannotStopACow) {
    for (char c : {'a', 'Z', '?', '$', '\n', '\0', static_cast<char>(200)}) {
        std::unique_ptr<WorldObject> object = createOn('_', c);
        EXPECT_EQ(object->kind, c);
        EXPECT_EQ(object->touchHandler, noTouch);
        EXPECT_EQ(object->placeHandler, noPlace);
        EXPECT_EQ(object->height, 0.0f);
    }
}

TEST_F(ObjectKinds_, BaseHeightIsTheStandHeightOfTheTileUnderIt) {
    EXPECT_FLOAT_EQ(createOn('~', '*')->z, -0.6f);
    EXPECT_FLOAT_EQ(createOn('W', '*')->z, 6.0f);
    EXPECT_FLOAT_EQ(createOn('E', 'T')->z, 4.5f);
    EXPECT_FLOAT_EQ(createOn('.', 'o')->z, 0.6f);
}

} // namespace
