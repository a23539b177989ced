// world_pixels_test.cpp: the world passes on screen: the splash fills the window, the overhead
// map's colours, proportions and hidden border, the terrain's skirts meeting at the corners,
// and where the object pass puts each object.
#include "pixel_helpers.h"
#include "test_map.h"
#include "images/texture_slots.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "world/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

// Centre pixel of cell (column, row) of the overhead map in the 800 x 600 test window.
void overheadCellCentre(int column, int row, int *x, int *y) {
    const double m = std::max(mapColumns, mapRows);
    const double xNdc = (-mapColumns + 2.0 * column + 1) / m;
    const double yNdc = (mapRows - 2.0 * row - 1) / m;
    *x = static_cast<int>((xNdc + 1) * 400);
    *y = static_cast<int>((yNdc + 1) * 300);
}

// Expect cell (column, row) of the overhead map to show the colour (r, g, b).
void expectCell(int column, int row, Rgb colour) {
    int x, y;
    overheadCellCentre(column, row, &x, &y);
    Rgb seen = readPixel(x, y);
    EXPECT_TRUE(near(seen, colour)) << "cell (" << column << ", " << row << ") shows " << seen.r
                                    << " " << seen.g << " " << seen.b;
}

void drawOverheadFrame() {
    openTestWindow(800, 600);
    beginTestFrame();
    drawOverheadMap();
}

// What the object pass handed one object's model.
struct ObjectDraw {
    int column, row;
    double at[3]; // the modelview translation
};
std::vector<ObjectDraw> objectDraws;

void recordObjectDraw(int column, int row) {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    objectDraws.push_back({column, row, {m[12], m[13], m[14]}});
}

} // namespace

TEST(Splash, FillsTheWindowTheRightWayUp) {
    openTestWindow(800, 600);
    beginTestFrame();
    const unsigned int saved = SplashTexture;
    SplashTexture = makeCornerTexture({Red, Green, Blue, Yellow});
    drawSplashImage();
    glDisable(GL_TEXTURE_2D);
    EXPECT_EQ(countPixels(SkyBlue, 0, 0, 800, 600), 0);
    EXPECT_TRUE(near(readPixel(0, 0), Red));
    EXPECT_TRUE(near(readPixel(799, 0), Green));
    EXPECT_TRUE(near(readPixel(0, 599), Blue));
    EXPECT_TRUE(near(readPixel(799, 599), Yellow));
    glDeleteTextures(1, &SplashTexture);
    SplashTexture = saved;
}

TEST(OverheadMap, EachCellShowsItsRuleColourOrThePreviousOne) {
    std::vector<std::string> map = plainMap(30, 30, '_', 2, 2, 3, 2);
    // drawn: rows 13..20, columns 11..19
    putTile(map, 11, 13, 'e'); // the first cell drawn matches no rule: white
    const char row14Tiles[] = "_.~______";
    const char row14Objects[] = "   #FT*os";
    const char row16Tiles[] = "____~eEX.";
    const char row16Objects[] = "+!\\/@ Y  ";
    for (int i = 0; i < 9; i++) {
        putTile(map, 11 + i, 14, row14Tiles[i]);
        putObject(map, 11 + i, 14, row14Objects[i]);
        putTile(map, 11 + i, 16, row16Tiles[i]);
        putObject(map, 11 + i, 16, row16Objects[i]);
    }
    putTile(map, 11, 17, 'e'); // a row's first cell keeps the last colour of the row before
    ASSERT_TRUE(loadTestMap(map));
    drawOverheadFrame();
    saveScreenshot("/tmp/pasturon-drawing-overhead.png");

    const Rgb grass = toPixel(0.3f, 0.6f, 0.5f), dirt = toPixel(0.6f, 0.3f, 0.3f);
    const Rgb water = toPixel(0.3f, 0.3f, 0.8f), fence = toPixel(0.4f, 0.1f, 0.1f);
    const Rgb pink = toPixel(1.0f, 0.8f, 1.0f);
    expectCell(11, 13, White);
    const Rgb row14[] = {grass,
                         dirt,
                         water,
                         fence,
                         fence,
                         toPixel(0.1f, 0.9f, 0.1f),
                         toPixel(1.0f, 0.8f, 0.1f),
                         toPixel(0.7f, 0.7f, 0.7f),
                         {0, 0, 0}};
    const Rgb row16[] = {
        toPixel(0.8f, 0.8f, 1.0f), pink, pink, pink, water, water, water, water, dirt};
    for (int i = 0; i < 9; i++) {
        expectCell(11 + i, 14, row14[i]);
        expectCell(11 + i, 16, row16[i]);
    }
    expectCell(11, 17, dirt);
    expectCell(19, 20, grass); // the last cell drawn
    // the border is never drawn, the cow markers are white
    expectCell(10, 14, SkyBlue);
    expectCell(20, 14, SkyBlue);
    expectCell(15, 12, SkyBlue);
    expectCell(15, 21, SkyBlue);
    expectCell(2, 2, White);
    expectCell(3, 2, White);
}

TEST(OverheadMap, KeepsTheMapsProportionsAndIsCentred) {
    ASSERT_TRUE(loadTestMap(plainMap(100, 50, '_', 50, 25, 60, 25)));
    drawOverheadFrame();
    // the full map spans the width and the middle half of the height; cells 11..89 and
    // 13..40 of it are drawn, 8 x 6 pixels each
    expectDrawnBox(88, 719, 204, 371);
}

TEST(OverheadMap, SmallMapsShowOnlyTheCowMarkers) {
    const int sizes[][2] = {{21, 30}, {30, 22}};
    for (const auto &size : sizes) {
        ASSERT_TRUE(loadTestMap(plainMap(size[0], size[1], '_', 12, 14, 14, 14)));
        drawOverheadFrame();
        const int drawn = countNonSky(0, 0, 800, 600);
        EXPECT_GT(drawn, 0);
        EXPECT_EQ(countPixels(White, 0, 0, 800, 600), drawn) << size[0] << " x " << size[1];
    }
    // 22 x 23 is the smallest map that shows a cell: (11, 13)
    ASSERT_TRUE(loadTestMap(plainMap(22, 23, '_', 2, 2, 4, 2)));
    drawOverheadFrame();
    expectCell(11, 13, toPixel(0.3f, 0.6f, 0.5f));
}

TEST(Terrain, ARaisedTileBecomesAFlatToppedPyramid) {
    const unsigned int savedGrass = TileTextures[TileGrass], savedWall = TileTextures[TileWall];
    openTestWindow(800, 600);
    TileTextures[TileGrass] = makeCornerTexture({Green, Green, Green, Green});
    TileTextures[TileWall] = makeCornerTexture({Red, Red, Red, Red});
    std::vector<std::string> map = plainMap(31, 31, '_', 15, 28, 16, 28);
    putTile(map, 15, 15, 'X'); // a wall block, 6.0 high, among grass at 0.9
    ASSERT_TRUE(loadTestMap(map));
    beginTestFrame();
    glMatrixMode(GL_PROJECTION);
    glOrtho(-31, 0, 0, 31, -100, 100); // straight down on the mirrored world
    glMatrixMode(GL_MODELVIEW);
    mirrorWorld();
    drawTerrainPass(cow1);
    glFrontFace(GL_CCW);
    saveScreenshot("/tmp/pasturon-drawing-terrain.png");
    auto pixelAt = [](double x, double y) {
        return readPixel(static_cast<int>((31 - x) / 31 * 800), static_cast<int>(y / 31 * 600));
    };
    EXPECT_TRUE(near(pixelAt(15.5, 15.5), Red));
    // 45-degree skirts: above the grass until 5.1 cells out
    EXPECT_TRUE(near(pixelAt(10.5, 15.5), Red));
    EXPECT_TRUE(near(pixelAt(9.5, 15.5), Green));
    EXPECT_TRUE(near(pixelAt(20.5, 15.5), Red));
    EXPECT_TRUE(near(pixelAt(15.5, 21.5), Green));
    // the spreads close the corners: 4 cells out diagonally the slope is still 2.0 high
    EXPECT_TRUE(near(pixelAt(11.5, 11.0), Red));
    EXPECT_TRUE(near(pixelAt(20.0, 19.5), Red));
    glDeleteTextures(1, &TileTextures[TileGrass]);
    glDeleteTextures(1, &TileTextures[TileWall]);
    TileTextures[TileGrass] = savedGrass;
    TileTextures[TileWall] = savedWall;
}

TEST(ObjectPass, PutsEachObjectOfTheWindowOnItsCellCentreAndSpinsTheItems) {
    std::vector<std::string> map = plainMap(60, 60, '_', 30, 30, 40, 40);
    putObject(map, 25, 20, '*');
    putTile(map, 31, 35, 'e');
    putObject(map, 31, 35, 'o'); // on a low hill: stands at 3.0
    putObject(map, 30, 45, '*'); // 15 rows beyond the cow: outside its window
    ASSERT_TRUE(loadTestMap(map));
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (ObjectGrid[c][r])
                ObjectGrid[c][r]->drawHandler = recordObjectDraw;
    openTestWindow(800, 600);
    beginTestFrame();
    objectDraws.clear();
    const float spin = spinAngle, itemSpin = itemSpinAngle;
    drawObjectPass(cow1);
    ASSERT_EQ(objectDraws.size(), 2u);
    const ObjectDraw &hay = objectDraws[0], &rock = objectDraws[1]; // rows in order
    EXPECT_EQ(hay.column, 25);
    EXPECT_EQ(hay.row, 20);
    EXPECT_DOUBLE_EQ(hay.at[0], 25.5);
    EXPECT_DOUBLE_EQ(hay.at[1], 20.5);
    EXPECT_NEAR(hay.at[2], 0.9, 1e-6);
    EXPECT_EQ(rock.column, 31);
    EXPECT_DOUBLE_EQ(rock.at[0], 31.5);
    EXPECT_DOUBLE_EQ(rock.at[1], 35.5);
    EXPECT_NEAR(rock.at[2], 3.0, 1e-6);
    EXPECT_FLOAT_EQ(spinAngle, spin + 1);
    EXPECT_FLOAT_EQ(itemSpinAngle, itemSpin + 1);
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_DOUBLE_EQ(m[12], 0.0); // the pass leaves the matrix as it found it
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
