// soak_test.cpp: 100,000 frames of random held keys on a generated farm and on the game's farm
// map; after every frame both cows stand on tiled cells inside the map, loads stay 0..10 and
// facings are whole turn steps.
#include "tests/rules/rules_fixture.h"
#include "rules/play_tick.h"
#include "test_data.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int SoakFrames = 100000;

// Every key either player uses, the controls keys included.
constexpr int PlayerKeys[] = {VK_Up, VK_Down, VK_Left, VK_Right, VK_Insert, VK_Delete, VK_F12,
                              'W',   'S',     'A',     'D',      'T',       'F',       VK_F1};

// A farm of every tile and object kind the rules handle, from a fixed seed: 120 x 90 cells.
std::vector<std::string> generatedFarm() {
    std::mt19937 random(20261208);
    const char tiles[] = "________....~~eE#";
    const char objects[] = "*******!+Y@#ooT/\\F?";
    std::vector<std::string> map;
    for (int r = 0; r < 90; r++) {
        std::string line;
        for (int c = 0; c < 120; c++) {
            line += tiles[random() % (sizeof tiles - 1)];
            char object = ' ';
            if (random() % 6 == 0)
                object = objects[random() % (sizeof objects - 1)];
            if (r == 10 && c == 10)
                object = '1';
            if (r == 80 && c == 110)
                object = '2';
            line += object;
        }
        map.push_back(line);
    }
    return map;
}

// Whether the cell under the cow has a tile inside the map's visited cells.
bool onTheMap(const Cow *cow) {
    int column = static_cast<int>(std::floor(cow->x)), row = static_cast<int>(std::floor(cow->y));
    return column >= 0 && row >= 0 && column < mapColumns && row < mapRows &&
           tileAt(column, row) != nullptr;
}

// Random keys, each held for a random stretch, and every invariant checked after each frame.
void soak(unsigned seed) {
    std::mt19937 random(seed);
    int heldFor[sizeof PlayerKeys / sizeof PlayerKeys[0]] = {};
    for (int frame = 1; frame <= SoakFrames; frame++) {
        for (size_t k = 0; k < sizeof PlayerKeys / sizeof PlayerKeys[0]; k++)
            if (--heldFor[k] <= 0) {
                heldFor[k] = 1 + static_cast<int>(random() % 40);
                setKeyDown(PlayerKeys[k], random() % 3 == 0);
            }
        stepPlayTick();
        for (const Cow *cow : {cow1, cow2}) {
            ASSERT_TRUE(onTheMap(cow)) << "frame " << frame << " at " << cow->x << ", " << cow->y;
            ASSERT_GE(cow->carriedHay, 0) << "frame " << frame;
            ASSERT_LE(cow->carriedHay, carryLimit) << "frame " << frame;
            ASSERT_EQ(cow->facing % 18, 0) << "frame " << frame;
            ASSERT_GE(cow->facing, 0) << "frame " << frame;
            ASSERT_LE(cow->facing, 342) << "frame " << frame;
        }
    }
}

} // namespace

using Soak = RulesTest;

TEST_F(Soak, RandomKeysOnAGeneratedFarm) {
    load(generatedFarm());
    soak(1);
    EXPECT_FALSE(removed().empty()); // the cows got about: items were taken
}

TEST_F(Soak, RandomKeysOnTheFarmMap) {
    std::string path = testDataFile(GameMapPath);
    ASSERT_TRUE(loadMap(path.c_str()));
    soak(2);
    EXPECT_FALSE(removed().empty());
}
