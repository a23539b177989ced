// farm_map_test.cpp: the game's farm loads and has what a round needs: size, items, a closed
// boundary, a fenced home per cow with its own gates, and hay that is equally far for both.
#include "rules/cow.h"
#include "world/grids.h"
#include "test_data.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <queue>
#include <string>
#include <vector>

namespace {

// The map as the game finds it in its working directory.
std::string farmPath() {
    return testDataFile(GameMapPath);
}

// Border the overhead map never shows, in cells.
constexpr int BorderTop = 13, BorderBottom = 9, BorderLeft = 11, BorderRight = 10;

bool inBorder(int column, int row) {
    return column < BorderLeft || column >= mapColumns - BorderRight || row < BorderTop ||
           row >= mapRows - BorderBottom;
}

// Whether `cow` can walk (or jump) through (column, row): everything lower than a marker,
// and the cow's own gates when `ownGatesOpen`.
bool passable(const Cow *cow, int column, int row, bool ownGatesOpen) {
    const WorldObject *object = ObjectGrid[column][row];
    if (!object)
        return true;
    char ownGate = cow == cow1 ? '\\' : '/';
    if (object->kind == ownGate)
        return ownGatesOpen;
    return object->height < 20.0f;
}

// Walking distance in cells from the cow's home to every cell (INT_MAX where it cannot go).
std::vector<std::vector<int>> distancesFromHome(const Cow *cow, bool ownGatesOpen) {
    std::vector<std::vector<int>> distance(mapColumns, std::vector<int>(mapRows, INT_MAX));
    std::queue<std::pair<int, int>> open;
    distance[cow->homeCol][cow->homeRow] = 0;
    open.push({cow->homeCol, cow->homeRow});
    while (!open.empty()) {
        auto [c, r] = open.front();
        open.pop();
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto &step : steps) {
            int nc = c + step[0], nr = r + step[1];
            if (nc < 0 || nr < 0 || nc >= mapColumns || nr >= mapRows)
                continue;
            if (distance[nc][nr] != INT_MAX || !passable(cow, nc, nr, ownGatesOpen))
                continue;
            distance[nc][nr] = distance[c][r] + 1;
            open.push({nc, nr});
        }
    }
    return distance;
}

// True when (column, row) lies in the box where a cow counts as at `cow`'s home.
bool nearHome(const Cow *cow, int column, int row) {
    return std::abs(column - cow->homeCol) <= 2 && std::abs(row - cow->homeRow) <= 2;
}

// The number of cells the cow can reach from home; none may lie in the border or at the
// rival's home.
int reachableCells(const Cow *cow, bool ownGatesOpen) {
    auto distance = distancesFromHome(cow, ownGatesOpen);
    int reached = 0;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (distance[c][r] != INT_MAX) {
                reached++;
                EXPECT_FALSE(inBorder(c, r)) << c << "," << r;
                EXPECT_FALSE(nearHome(cow->other, c, r)) << c << "," << r;
            }
    return reached;
}

class Farm : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(loadMap(farmPath().c_str())); }
    void TearDown() override { freeWorld(); }
};

TEST_F(Farm, HasTheSizeAndEverythingARoundNeeds) {
    EXPECT_GE(mapColumns, 60);
    EXPECT_LE(mapColumns, 100);
    EXPECT_GE(mapRows, 60);
    EXPECT_LE(mapRows, 100);
    // every line is whole: no cell beyond the map's columns or rows
    for (int r = 0; r <= mapRows; r++)
        EXPECT_EQ(TileGrid[mapColumns][r], nullptr) << "row " << r;
    for (int c = 0; c <= mapColumns; c++)
        EXPECT_EQ(TileGrid[c][mapRows], nullptr) << "column " << c;

    std::map<char, int> objects, tiles;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            tiles[TileGrid[c][r]->kind]++;
            if (ObjectGrid[c][r])
                objects[ObjectGrid[c][r]->kind]++;
        }
    EXPECT_GE(objects['*'], 150);
    EXPECT_GE(objects['+'], 2);
    EXPECT_LE(objects['+'], 4);
    EXPECT_GE(objects['!'], 2);
    EXPECT_LE(objects['!'], 4);
    for (char kind : {'Y', '@', 'B', 'I', 'T', 'o', '#', 'F', '\\', '/'})
        EXPECT_GE(objects[kind], 1) << "object " << kind;
    for (char kind : {'_', '.', '~', 'e', 'E'})
        EXPECT_GE(tiles[kind], 1) << "tile " << kind;
    // every object of the farm is one of the game's kinds
    for (const auto &[kind, count] : objects)
        EXPECT_NE(std::string("!#*+/\\@BFITYosx").find(kind), std::string::npos)
            << count << " stray objects '" << kind << "'";
}

TEST_F(Farm, EachCowHasAFencedHomeInItsOwnCorner) {
    EXPECT_TRUE(inBorder(0, 0));
    for (const Cow *cow : {cow1, cow2}) {
        SCOPED_TRACE(cow == cow1 ? "cow 1" : "cow 2");
        EXPECT_FALSE(inBorder(cow->homeCol, cow->homeRow));
        // in the bottom corner on the cow's own side (cow 1's half shows on the right)
        EXPECT_GT(cow->homeRow, mapRows * 3 / 4);
        bool right = cow->homeCol > mapColumns * 3 / 4, left = cow->homeCol < mapColumns / 4;
        EXPECT_TRUE(cow == cow1 ? right : left);

        // with its own gates shut, the home is a small closed pen; through them the cow
        // reaches the farm, but never the border or the rival's home behind the rival's gates
        int penCells = reachableCells(cow, false);
        EXPECT_LT(penCells, mapColumns * mapRows / 16);
        EXPECT_GE(penCells, 25);
        int reached = reachableCells(cow, true);
        EXPECT_GT(reached, penCells * 8);
    }
}

TEST_F(Farm, HayIsEquallyFarForBothCows) {
    auto from1 = distancesFromHome(cow1, true);
    auto from2 = distancesFromHome(cow2, true);
    long total1 = 0, total2 = 0;
    int closer1 = 0, closer2 = 0, bales = 0;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const WorldObject *object = ObjectGrid[c][r];
            if (!object || object->kind != '*')
                continue;
            bales++;
            ASSERT_NE(from1[c][r], INT_MAX) << "cow 1 cannot reach the hay at " << c << "," << r;
            ASSERT_NE(from2[c][r], INT_MAX) << "cow 2 cannot reach the hay at " << c << "," << r;
            total1 += from1[c][r];
            total2 += from2[c][r];
            closer1 += from1[c][r] < from2[c][r];
            closer2 += from2[c][r] < from1[c][r];
        }
    ASSERT_GE(bales, 150);
    EXPECT_LE(std::abs(total1 - total2) * 50, total1 + total2) << total1 << " vs " << total2;
    EXPECT_LE(std::abs(closer1 - closer2), bales / 50) << closer1 << " vs " << closer2;
}

} // namespace
