// geometry_test.cpp: the drawing's arithmetic without pixels: the cells drawn around a cow,
// the skirts of a tile, the overhead-map colour rules, the camera keys, the chase eye and the
// two halves' viewports.
#include "test_map.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "input/keys.h"
#include "world/draw_passes.h"
#include "world/grids.h"

#include <gtest/gtest.h>

namespace {

void placeCow(Cow *cow, float x, float y) {
    cow->x = x;
    cow->y = y;
}

void expectWindow(const VisibleWindow &w, int rowBegin, int rowEnd, int columnBegin,
                  int columnEnd) {
    EXPECT_EQ(w.rowBegin, rowBegin);
    EXPECT_EQ(w.rowEnd, rowEnd);
    EXPECT_EQ(w.columnBegin, columnBegin);
    EXPECT_EQ(w.columnEnd, columnEnd);
}

// Hold `keys` together for `frames` camera polls, then release them.
void holdKeys(std::initializer_list<int> keys, int frames) {
    for (int key : keys)
        setKeyDown(key, true);
    for (int i = 0; i < frames; i++)
        pollCameraKeys();
    releaseAllKeys();
}

} // namespace

TEST(VisibleWindow, IsCutAtTheMapEdgesAndLopsidedInside) {
    ASSERT_TRUE(loadTestMap(plainMap(60, 50, '_', 30, 30, 31, 30)));
    placeCow(cow1, 30.7f, 30.2f); // well inside: 25 rows and 19 columns on the smaller side
    expectWindow(visibleWindow(cow1), 5, 41, 11, 41);
    placeCow(cow1, 0.5f, 0.5f); // the corner at row 0, column 0
    expectWindow(visibleWindow(cow1), 0, 11, 0, 11);
    placeCow(cow1, 59.9f, 49.9f); // the far corner stops at mapRows and mapColumns
    expectWindow(visibleWindow(cow1), 24, 50, 40, 60);
    placeCow(cow1, -0.5f, 20.0f); // a fraction beyond column 0 floors to -1
    expectWindow(visibleWindow(cow1), 0, 31, 0, 10);
}

TEST(TileSkirts, ARaisedTileSkirtsEverySideAndSpreadsToMeetAtCorners) {
    std::vector<std::string> map = plainMap(30, 30, '_', 2, 2, 3, 2);
    putTile(map, 10, 10, 'e'); // low hill, 3.0 among grass at 0.9
    ASSERT_TRUE(loadTestMap(map));
    TileSkirts s = tileSkirts(10, 10);
    EXPECT_FLOAT_EQ(s.height, 3.0f);
    EXPECT_TRUE(s.lowerWest && s.lowerEast && s.lowerSouth && s.lowerNorth);
    EXPECT_FLOAT_EQ(s.west, 3.0f);
    EXPECT_FLOAT_EQ(s.east, 3.0f);
    EXPECT_FLOAT_EQ(s.south, 3.0f);
    EXPECT_FLOAT_EQ(s.north, 3.0f);
    // its neighbour is lower than it, not higher, and has no skirt toward it
    TileSkirts west = tileSkirts(9, 10);
    EXPECT_FALSE(west.lowerEast);
    EXPECT_FLOAT_EQ(west.east, 0.0f);
}

TEST(TileSkirts, NoneBetweenEqualTilesNorTowardTheOutside) {
    std::vector<std::string> map = plainMap(30, 30, '_', 2, 2, 3, 2);
    putTile(map, 0, 5, 'E');  // high hill on the left edge
    putTile(map, 29, 0, 'E'); // and on the top-right corner
    putTile(map, 5, 5, '.');  // dirt (0.6) beside water (0.3)
    putTile(map, 6, 5, '~');
    ASSERT_TRUE(loadTestMap(map));
    TileSkirts edge = tileSkirts(0, 5);
    EXPECT_FALSE(edge.lowerWest);
    EXPECT_TRUE(edge.lowerEast && edge.lowerSouth && edge.lowerNorth);
    EXPECT_FLOAT_EQ(edge.west, 0.0f);
    TileSkirts corner = tileSkirts(29, 0);
    EXPECT_FALSE(corner.lowerEast || corner.lowerSouth);
    EXPECT_TRUE(corner.lowerWest && corner.lowerNorth);
    TileSkirts grass = tileSkirts(15, 15);
    EXPECT_FALSE(grass.lowerWest || grass.lowerEast || grass.lowerSouth || grass.lowerNorth);
    // dirt skirts over the water's edge with its own height; water gets none toward dirt
    TileSkirts dirt = tileSkirts(5, 5);
    EXPECT_TRUE(dirt.lowerEast);
    EXPECT_FLOAT_EQ(dirt.east, 0.6f);
    EXPECT_FALSE(tileSkirts(6, 5).lowerWest);
}

TEST(OverheadColour, LaterRulesWinAndUnmatchedCellsKeepThePreviousColour) {
    std::vector<std::string> map = plainMap(30, 30, '_', 2, 2, 3, 2);
    putTile(map, 10, 10, '~');
    putObject(map, 10, 10, '*'); // hay on water: the object rule comes later
    putTile(map, 11, 10, 'e');   // hill, no object: no rule
    putObject(map, 12, 10, '@'); // snail pill on grass: grass
    putTile(map, 13, 10, 'E');
    putObject(map, 13, 10, 'Y'); // head pill on a hill: no rule
    ASSERT_TRUE(loadTestMap(map));
    const OverheadColour previous = {0.25f, 0.5f, 0.75f};
    auto colourAt = [&](int c, int r) {
        return overheadColour(TileGrid[c][r], ObjectGrid[c][r], previous);
    };
    OverheadColour hay = colourAt(10, 10);
    EXPECT_FLOAT_EQ(hay.r, 1.0f);
    EXPECT_FLOAT_EQ(hay.g, 0.8f);
    EXPECT_FLOAT_EQ(hay.b, 0.1f);
    for (int c : {11, 13}) {
        OverheadColour kept = colourAt(c, 10);
        EXPECT_FLOAT_EQ(kept.r, previous.r);
        EXPECT_FLOAT_EQ(kept.g, previous.g);
        EXPECT_FLOAT_EQ(kept.b, previous.b);
    }
    OverheadColour grass = colourAt(12, 10);
    EXPECT_FLOAT_EQ(grass.r, 0.3f);
    EXPECT_FLOAT_EQ(grass.g, 0.6f);
    EXPECT_FLOAT_EQ(grass.b, 0.5f);
}

TEST(CameraKeys, PitchAndYawWrapWithTheTruncatingRemainder) {
    setCameraDefaults();
    holdKeys({'I'}, 290);
    EXPECT_EQ(cameraPitch, 360);
    holdKeys({'I'}, 1);
    EXPECT_EQ(cameraPitch, 1); // the remainder is taken before the increment
    setCameraDefaults();
    holdKeys({'I'}, 400);
    EXPECT_EQ(cameraPitch, 110);
    setCameraDefaults();
    holdKeys({'K'}, 450); // 70 down to -360, then -1 after the wrap
    EXPECT_EQ(cameraPitch, -20);

    cameraYaw = 359;
    holdKeys({'J', 'L'}, 1); // J makes 360, L takes the remainder: -1, the same direction
    EXPECT_EQ(cameraYaw, -1);
    holdKeys({'J', 'L'}, 5);
    EXPECT_EQ(cameraYaw, -1);
    holdKeys({'L'}, 3);
    EXPECT_EQ(cameraYaw, -4);
}

TEST(CameraKeys, DistanceMovesByOnePerFrameAndStopsAtOne) {
    setCameraDefaults();
    holdKeys({'O'}, 5);
    EXPECT_EQ(cameraDistance, 15);
    holdKeys({'U'}, 30);
    EXPECT_EQ(cameraDistance, 1);
    holdKeys({'U', 'O'}, 3); // both held: unchanged
    EXPECT_EQ(cameraDistance, 1);
    holdKeys({'O'}, 1);
    EXPECT_EQ(cameraDistance, 2);
}

TEST(ChaseCamera, DefaultEyeSitsBehindAndAboveTheCowLookingAtItsPoint) {
    ASSERT_TRUE(loadTestMap(plainMap(30, 30, '_', 10, 12, 20, 12)));
    setCameraDefaults();
    placeCow(cow1, 10.5f, 12.25f);
    const ChaseView v = chaseView(cow1);
    // the world is mirrored in x after the camera: the world eye x is -eye[0]
    EXPECT_NEAR(-v.eye[0] - 10.5, 1.17, 0.01);
    EXPECT_NEAR(v.eye[1] - 12.25, 3.21, 0.01);
    EXPECT_NEAR(v.eye[2], 9.40, 0.01);
    EXPECT_DOUBLE_EQ(v.centre[0], -10.5);
    EXPECT_DOUBLE_EQ(v.centre[1], 12.25);
    EXPECT_DOUBLE_EQ(v.centre[2], 2.0);
    EXPECT_DOUBLE_EQ(v.up[2], 1.0);
    EXPECT_DOUBLE_EQ(degToRad(180), 180 * 0.0174532925);
}

TEST(HalfViewports, SplitTheWindowWithAFourPixelGap) {
    HalfViewport right = rightHalf(800, 600), left = leftHalf(800, 600);
    EXPECT_EQ(right.x, 402);
    EXPECT_EQ(right.width, 400);
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.width, 398);
    EXPECT_DOUBLE_EQ(right.aspect, 400.0 / 600);
    EXPECT_DOUBLE_EQ(left.aspect, 400.0 / 600);
    // an odd width: both halves use 400
    EXPECT_EQ(rightHalf(801, 600).x, 402);
    EXPECT_EQ(rightHalf(801, 600).width, 400);
    EXPECT_EQ(leftHalf(801, 600).width, 398);
    EXPECT_DOUBLE_EQ(leftHalf(801, 500).aspect, 400.0 / 500);
}
