// between_ticks_test.cpp: pictures between two ticks place a walking cow between where the two
// ticks left it, further along in each later picture, without touching the rules' cow.
#include "pixel_helpers.h"
#include "test_data.h"
#include "test_map.h"
#include "hud/fonts.h"
#include "hud/hud.h"
#include "images/texture_slots.h"
#include "input/keys.h"
#include "models/draw_handlers.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/frame_blend.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

const Rgb Magenta = {255, 0, 255}; // the test's grass: no HUD or model is this colour
constexpr int LeftHalfWidth = 398; // cow 2's half, whose camera stands still here
constexpr int AboveHudRows = 400;  // picture rows from the top clear of the HUD's spinning bales

// The centre of the pixels of cow 2's half (above its HUD) that differ from `background`; false if
// none.
bool centreOfChange(const RgbPicture &background, const RgbPicture &picture, double *x, double *y) {
    double sumX = 0, sumY = 0;
    long count = 0;
    for (int row = 0; row < AboveHudRows; row++)
        for (int column = 0; column < LeftHalfWidth; column++) {
            const size_t p = (static_cast<size_t>(row) * picture.width + column) * 3;
            int worst = 0;
            for (size_t c = 0; c < 3; c++)
                worst = std::max(worst, std::abs(picture.rgb[p + c] - background.rgb[p + c]));
            if (worst > 8) {
                sumX += column, sumY += row, count++;
            }
        }
    if (count == 0)
        return false;
    *x = sumX / count;
    *y = sumY / count;
    return true;
}

} // namespace

TEST(BetweenTicks, AWalkingCowIsDrawnFurtherAlongInEachPictureBetweenItsTwoTickPlaces) {
    openTestWindow(800, 600);
    if (!Fonts[0])
        createFonts(testFontPath());
    const unsigned int savedGrass = TileTextures[TileGrass];
    TileTextures[TileGrass] = makeCornerTexture({Magenta, Magenta, Magenta, Magenta});
    ASSERT_TRUE(loadTestMap(plainMap(70, 70, '_', 30, 40, 33, 40)));
    setCameraDefaults();
    releaseAllKeys();
    hudIntroCounter = 1000; // the play panel
    forgetTicks();
    setKeyDown(cow1->keyLeft, true);
    for (int i = 0; i < 6; i++) // up to walking speed
        playTickBetweenPictures();
    const float xBefore = cow1->x, yBefore = cow1->y;
    playTickBetweenPictures();
    const float xAfter = cow1->x, yAfter = cow1->y;
    ASSERT_TRUE(xBefore != xAfter || yBefore != yAfter) << "cow 1 should walk";

    // cow 2's half without cow 1, then with it at the two ticks' places and ten in between
    cow1->drawHandler = drawNothing;
    drawBetweenTicks(1);
    const RgbPicture background = readWindow();
    cow1->drawHandler = drawProfileCow;
    std::vector<double> xs, ys;
    for (int i = 0; i <= 11; i++) {
        const double fraction = i == 0 ? 0 : i == 11 ? 1 : (i - 0.5) / 10;
        drawBetweenTicks(fraction);
        double x, y;
        ASSERT_TRUE(centreOfChange(background, readWindow(), &x, &y)) << "picture " << i;
        xs.push_back(x);
        ys.push_back(y);
        EXPECT_EQ(cow1->x, xAfter) << "the rules' cow stays where the tick left it";
        EXPECT_EQ(cow1->y, yAfter);
    }
    // each picture further along the way from the first tick's place to the second's
    const double dx = xs.back() - xs.front(), dy = ys.back() - ys.front();
    ASSERT_GT(dx * dx + dy * dy, 4.0) << "the step should span a few pixels";
    for (size_t i = 1; i < xs.size(); i++)
        EXPECT_GT((xs[i] - xs[i - 1]) * dx + (ys[i] - ys[i - 1]) * dy, 0)
            << "picture " << i << " at (" << xs[i] << ", " << ys[i] << ")";

    releaseAllKeys();
    forgetTicks();
    glDeleteTextures(1, &TileTextures[TileGrass]);
    TileTextures[TileGrass] = savedGrass;
}
