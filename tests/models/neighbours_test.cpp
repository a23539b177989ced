// neighbours_test.cpp: fences join their own kind and stand against other objects; gates turn
// toward their neighbours of the same owner; cells outside the map count as empty.
#include "models/neighbours.h"
#include "test_map.h"
#include "world/grids.h"

#include <gtest/gtest.h>

namespace {

// The farm of these tests: each case sits apart from the others (x = column, y = row).
const std::vector<std::string> Farm = {
    "         #     /", // (9,0) fence above (9,1); (15,0) a gate in the corner
    " #  o#   ## ##o#", // lone (1,1); rock left of (5,1); (9,1); (13,1) between fence and rock
    "                ",
    "  #             ", // an ordinary fence above the tall fence (2,4)
    "  F#            ", // tall fence (2,4) beside an ordinary fence (3,4)
    "                ",
    "  \\\\   \\/  /    ", // pair (2,6) (3,6); cow 1's gate (7,6) beside cow 2's (8,6); (11,6)
    "           /    ",    // (11,7) under (11,6)
    "     \\          ",   // lone gate (5,8)
    "##            12",    // fences on the first column of the last row
};

class ModelNeighbours : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(loadObjectRows(Farm)); }
    void TearDown() override { freeWorld(); }
};

void expectPanels(int column, int row, char kind, bool alongY, int alongX) {
    SCOPED_TRACE(testing::Message() << "fence at (" << column << ", " << row << ")");
    FencePanels panels = fencePanels(column, row, kind);
    EXPECT_EQ(panels.alongY, alongY);
    EXPECT_EQ(panels.alongX, alongX);
}

TEST_F(ModelNeighbours, FencesJoinTheirKindAndStandAgainstOtherObjects) {
    expectPanels(1, 1, '#', false, 0);  // lone: nothing
    expectPanels(5, 1, '#', false, 1);  // rock on the left: one x panel
    expectPanels(9, 1, '#', true, 1);   // fence above and right: a y and an x panel
    expectPanels(9, 0, '#', true, 0);   // ... seen from above: only the y panel
    expectPanels(13, 1, '#', false, 2); // fence left, rock right: the x panel twice
    expectPanels(12, 1, '#', false, 1);
}

TEST_F(ModelNeighbours, TallFencesAndFencesAreOtherObjectsToEachOther) {
    expectPanels(2, 4, 'F', false, 1); // the fence beside it stands as another object
    expectPanels(3, 4, '#', false, 1); // and the other way round
    expectPanels(2, 3, '#', false, 0); // a tall fence below is no neighbour of its kind
}

TEST_F(ModelNeighbours, CellsOutsideTheMapCountAsEmpty) {
    expectPanels(0, 9, '#', false, 1);  // no left neighbour, no row below
    expectPanels(15, 1, '#', false, 1); // the rock on its left; no right neighbour
    EXPECT_FALSE(cellHolds(-1, 9, '#'));
    EXPECT_FALSE(cellHoldsOther(16, 1, '#'));
    EXPECT_FALSE(cellHoldsOther(5, 10, '#'));
    EXPECT_FALSE(cellHolds(5, -1, '#'));
}

// Where the two ends of a gate's leaf lie, in coordinates about its cell centre.
struct LeafEnds {
    double hingeX, hingeY, tipX, tipY;
};

LeafEnds leafEnds(int column, int row, char kind, bool open) {
    Placement2D placement = gateLeafPlacement(column, row, kind, open);
    LeafEnds ends;
    applyPlacement(placement, 0, 0, &ends.hingeX, &ends.hingeY);
    applyPlacement(placement, 1, 0, &ends.tipX, &ends.tipY);
    return ends;
}

void expectLeaf(int column, int row, char kind, bool open, LeafEnds expected) {
    SCOPED_TRACE(testing::Message()
                 << "gate at (" << column << ", " << row << ")" << (open ? " open" : " closed"));
    LeafEnds ends = leafEnds(column, row, kind, open);
    EXPECT_NEAR(ends.hingeX, expected.hingeX, 1e-9);
    EXPECT_NEAR(ends.hingeY, expected.hingeY, 1e-9);
    EXPECT_NEAR(ends.tipX, expected.tipX, 1e-9);
    EXPECT_NEAR(ends.tipY, expected.tipY, 1e-9);
}

TEST_F(ModelNeighbours, ALoneGateLiesAcrossItsCellAndSwingsAboutItsEnd) {
    expectLeaf(5, 8, '\\', false, {-0.5, 0, 0.5, 0});
    expectLeaf(5, 8, '\\', true, {-0.5, 0, -0.5, 1});
    // a gate of the other cow beside it is no neighbour
    expectLeaf(7, 6, '\\', false, {-0.5, 0, 0.5, 0});
    expectLeaf(8, 6, '/', true, {-0.5, 0, -0.5, 1});
    // in the map's corner the missing cells count as empty
    expectLeaf(15, 0, '/', true, {-0.5, 0, -0.5, 1});
}

TEST_F(ModelNeighbours, APairAlongXOpensLikeADoubleDoor) {
    // closed: both leaves on one line across the pair, meeting in the middle
    expectLeaf(2, 6, '\\', false, {-0.5, 0, 0.5, 0});
    expectLeaf(3, 6, '\\', false, {0.5, 0, -0.5, 0});
    // open: hinged at the outer ends of the pair, both swung toward -y
    expectLeaf(2, 6, '\\', true, {-0.5, 0, -0.5, -1});
    expectLeaf(3, 6, '\\', true, {0.5, 0, 0.5, -1});
}

TEST_F(ModelNeighbours, APairAlongYOpensLikeADoubleDoor) {
    // closed: both leaves along y, hinged at the outer ends, meeting between the cells
    expectLeaf(11, 6, '/', false, {0, -0.5, 0, 0.5});
    expectLeaf(11, 7, '/', false, {0, 0.5, 0, -0.5});
    // open: both swung toward +x
    expectLeaf(11, 6, '/', true, {0, -0.5, 1, -0.5});
    expectLeaf(11, 7, '/', true, {0, 0.5, 1, 0.5});
}

} // namespace
