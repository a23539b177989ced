// placement_test.cpp: the invisible solid markers of the silo, the barn and the ring marker.
#include "tests/world/map_text.h"
#include "world/grids.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::set<std::pair<int, int>> Cells;

// A grass map of columns x rows with cow 1 at (0, 0) and cow 2 at the top right corner.
class TestMap {
  public:
    TestMap(int columns, int rows) : cells(rows, std::string(2 * columns, '_')) {
        for (std::string &row : cells)
            for (size_t i = 1; i < row.size(); i += 2)
                row[i] = ' ';
        put(0, 0, '1');
        put(columns - 1, 0, '2');
    }
    TestMap &put(int column, int row, char object) {
        cells[row][2 * column + 1] = object;
        return *this;
    }
    TestMap &tile(int column, int row, char kind) {
        cells[row][2 * column] = kind;
        return *this;
    }
    std::string text() const {
        std::string text;
        for (const std::string &row : cells)
            text += row + "\n";
        return text;
    }

  private:
    std::vector<std::string> cells;
};

// The cells that hold an object of `kind`.
Cells cellsHolding(char kind) {
    Cells found;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (ObjectGrid[c][r] && ObjectGrid[c][r]->kind == kind)
                found.insert({c, r});
    return found;
}

class Placement : public ::testing::Test {
  protected:
    void SetUp() override { freeWorld(); }
    void TearDown() override { freeWorld(); }
};

TEST_F(Placement, SiloRingsItselfAndItsSideNeighbours) {
    TestMap map(7, 8);
    map.put(3, 3, 'I').put(5, 3, '*').tile(2, 1, 'e').put(3, 4, '*');
    ASSERT_TRUE(loadMapText(map.text()));
    Cells expected = {{5, 2}, {5, 3}, {5, 4}, {1, 2}, {1, 3}, {1, 4}, {2, 5}, {3, 5},
                      {4, 5}, {2, 1}, {3, 1}, {4, 1}, {4, 4}, {2, 4}, {2, 2}, {4, 2}};
    EXPECT_EQ(cellsHolding('s'), expected);
    EXPECT_EQ(cellsHolding('I'), Cells({{3, 3}}));
    // the hay on a marker cell is replaced, the hay beside the silo stays
    EXPECT_EQ(cellsHolding('*'), Cells({{3, 4}}));
    // a marker stands on the tile of its own cell
    EXPECT_FLOAT_EQ(ObjectGrid[2][1]->z, 3.0f);
    EXPECT_FLOAT_EQ(ObjectGrid[4][1]->z, 0.9f);
    EXPECT_EQ(ObjectGrid[2][1]->height, 20.0f);
    EXPECT_TRUE(worldIsConsistent());
}

TEST_F(Placement, BarnOutlineLeavesTwoDoors) {
    TestMap map(11, 9);
    map.put(5, 4, 'B').tile(9, 6, 'e');
    ASSERT_TRUE(loadMapText(map.text()));
    Cells expected = {{9, 2}, {1, 2}, {9, 6}, {1, 6}};
    for (int c = 1; c <= 9; c++) {
        expected.insert({c, 1});
        expected.insert({c, 7});
    }
    EXPECT_EQ(cellsHolding('s').size(), 22u);
    EXPECT_EQ(cellsHolding('s'), expected);
    for (int r = 3; r <= 5; r++) {
        EXPECT_EQ(ObjectGrid[1][r], nullptr);
        EXPECT_EQ(ObjectGrid[9][r], nullptr);
    }
    EXPECT_FLOAT_EQ(ObjectGrid[9][6]->z, 3.0f);
    EXPECT_TRUE(worldIsConsistent());
}

TEST_F(Placement, RingMarkersWallOffAndStopAtTheEdge) {
    TestMap map(9, 9);
    map.put(2, 4, 'x').put(4, 4, 'x').put(6, 4, 'x').put(8, 8, 'x').put(0, 4, '*');
    ASSERT_TRUE(loadMapText(map.text()));
    EXPECT_EQ(cellsHolding('x'), Cells({{2, 4}, {4, 4}, {6, 4}, {8, 8}}));
    Cells expected = {{2, 6}, {2, 2}, {0, 4}, {4, 6}, {4, 2},
                      {6, 6}, {6, 2}, {8, 4}, {8, 6}, {6, 8}};
    EXPECT_EQ(cellsHolding('s'), expected);
    EXPECT_TRUE(cellsHolding('*').empty());
    EXPECT_TRUE(worldIsConsistent());
}

TEST_F(Placement, AMarkerOnAnUnvisitedPlacerCancelsItsPlacement) {
    // the ring at column 3 is visited first and replaces the silo at the map's top edge,
    // whose own markers would fall outside the map
    TestMap map(9, 3);
    map.put(3, 0, 'x').put(5, 0, 'I');
    ASSERT_TRUE(loadMapText(map.text()));
    EXPECT_EQ(cellsHolding('s'), Cells({{3, 2}, {5, 0}, {1, 0}}));
    EXPECT_TRUE(cellsHolding('I').empty());
    // the other way round the silo is visited first and the map is refused
    TestMap late(9, 3);
    late.put(5, 0, 'x').put(3, 0, 'I');
    std::string errors;
    EXPECT_FALSE(loadMapTextCapturing(late.text(), &errors));
    EXPECT_NE(errors.find("the silo ('I') at column 3, row 0"), std::string::npos) << errors;
}

} // namespace
