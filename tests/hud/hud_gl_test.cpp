// hud_gl_test.cpp: the panels drawn into a real window: where the text lands, the stamina bar's
// height, the syringe icon, the controls screen, the banners and the switch from the
// introduction to play after 100 frames.
#include "gl_harness.h"
#include "hud/hud.h"
#include "hud/panels.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "input/keys.h"
#include "test_data.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {

const char *const ScalableFont = testFontPath();
constexpr Rgb White = {255, 255, 255};
constexpr int WindowWidth = 800, WindowHeight = 600;

// A screen half as the play frame sets it up: cow 1 on the right, cow 2 on the left.
struct Half {
    int left, width;
    bool perspective; // false while the controls key is held: identity projection
};

Half halfOf(const Cow *cow) {
    const bool right = cow == cow1;
    return {right ? WindowWidth / 2 + 2 : 0, right ? WindowWidth / 2 : WindowWidth / 2 - 2,
            !isKeyDown(cow->keyControls)};
}

// Window pixel column of panel x at depth -1 in `half`.
int pixelX(const Half &half, double x) {
    const double aspect = half.perspective ? (WindowWidth / 2) / double(WindowHeight) : 1.0;
    return half.left + static_cast<int>((x / aspect + 1) / 2 * half.width);
}
// Window pixel row of panel y at depth -1.
int pixelY(double y) {
    return static_cast<int>((y + 1) / 2 * WindowHeight);
}

// White pixels of `half` in the panel box [x0, x1) x [y0, y1).
int whiteIn(const Half &half, double x0, double y0, double x1, double y1) {
    return countPixels(White, pixelX(half, x0), pixelY(y0), pixelX(half, x1), pixelY(y1));
}

// The HUD pass of one half, set up as the play frame does it.
void hudPass(Cow *cow) {
    const Half half = halfOf(cow);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (half.perspective)
        gluPerspective(90, (WindowWidth / 2) / double(WindowHeight), 1, 1000);
    glViewport(half.left, 0, half.width, WindowHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    drawHud(cow);
    advanceHudIntro(cow);
    glEnable(GL_CULL_FACE);
}

void hudFrame() {
    beginTestFrame();
    hudPass(cow1);
    hudPass(cow2);
}

// Save the frame as hud_NAME.png into the folder $PASTURON_SHOTS names, if any (to look at).
void shot(const std::string &name) {
    if (const char *folder = std::getenv("PASTURON_SHOTS"))
        saveScreenshot(std::string(folder) + "/hud_" + name + ".png");
}

class HudPanels : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        openTestWindow(WindowWidth, WindowHeight);
        createFonts(ScalableFont);
    }
    void SetUp() override {
        TileGrid[4][4] = createTile('_', 4, 4);
        cow1 = createCow('1', 4, 4);
        cow2 = createCow('2', 4, 4);
        cow1->other = cow2;
        cow2->other = cow1;
        releaseAllKeys();
        hudIntroCounter = HudIntroPasses; // the introduction is over
    }
    void TearDown() override {
        releaseAllKeys();
        delete cow1;
        delete cow2;
        cow1 = cow2 = nullptr;
        delete TileGrid[4][4];
        TileGrid[4][4] = nullptr;
    }
};

// The heading "PLAYER:" of the introduction: baseline y 0.7, letters about 0.18 high.
int headingPixels(const Cow *cow) {
    return whiteIn(halfOf(cow), -0.55, 0.7, 0.6, 0.9);
}
// The stamina bar's column, from below its foot (y -0.9) to above its top at stamina 100.
int barPixels(const Cow *cow) {
    return whiteIn(halfOf(cow), -0.61, -0.95, -0.59, -0.55);
}

TEST_F(HudPanels, BothHalvesSwitchFromIntroductionToPlayAfter100Frames) {
    hudIntroCounter = 0;
    for (int frame = 0; frame < 100; frame++) {
        hudFrame();
        if (frame == 0)
            shot("intro");
        if (frame == 0 || frame == 99) {
            SCOPED_TRACE(frame);
            EXPECT_GT(headingPixels(cow1), 400);
            EXPECT_GT(headingPixels(cow2), 400);
            EXPECT_EQ(barPixels(cow1), 0);
            EXPECT_EQ(barPixels(cow2), 0);
        }
    }
    EXPECT_EQ(hudIntroCounter, HudIntroPasses);
    hudFrame();
    shot("play");
    EXPECT_EQ(headingPixels(cow1), 0);
    EXPECT_EQ(headingPixels(cow2), 0);
    EXPECT_GT(barPixels(cow1), 0);
    EXPECT_GT(barPixels(cow2), 0);
    EXPECT_EQ(hudIntroCounter, HudIntroPasses);
}

// Lowest and highest row of the white run in column `x` that starts at or above row `from`.
void whiteRun(int x, int from, int *bottom, int *top) {
    *bottom = *top = -1;
    for (int y = from; y < WindowHeight; y++) {
        const bool white = near(readPixel(x, y), White);
        if (white && *bottom < 0)
            *bottom = y;
        if (white)
            *top = y;
        if (!white && *bottom >= 0)
            return;
    }
}

TEST_F(HudPanels, StaminaBarStandsOnItsFootAndGrowsWithStamina) {
    const Half right = halfOf(cow1);
    const int column = pixelX(right, -0.6);
    const int foot = pixelY(-0.9);
    for (float stamina : {100.0f, 200.0f}) {
        SCOPED_TRACE(stamina);
        cow1->stamina = stamina;
        hudFrame();
        shot("stamina" + std::to_string(int(stamina)));
        int bottom, top;
        whiteRun(column, foot - 10, &bottom, &top);
        const int expectedHeight = static_cast<int>(stamina / 500 / 2 * WindowHeight);
        EXPECT_NEAR(bottom, foot, 1);
        EXPECT_NEAR(top - bottom + 1, expectedHeight, 2);
        // its number sits just above the bar
        const double barTop = stamina / 500 - 0.9;
        EXPECT_GT(whiteIn(right, -0.63, barTop + 0.01, -0.55, barTop + 0.06), 5);
    }
}

// Pixels other than sky blue around the syringe icon at (-0.1, -0.9).
int syringeAreaPixels(const Cow *cow) {
    const Half half = halfOf(cow);
    const int x0 = pixelX(half, -0.22), x1 = pixelX(half, 0.02);
    const int y0 = pixelY(-1), y1 = pixelY(-0.7);
    return (x1 - x0) * (y1 - y0) - countPixels(SkyBlue, x0, y0, x1, y1);
}

TEST_F(HudPanels, SyringeIconShowsOnlyWhileOneIsHeld) {
    hudFrame();
    EXPECT_EQ(syringeAreaPixels(cow1), 0);
    cow1->carriedEffect = slowDown; // picked one up
    hudFrame();
    shot("syringe");
    EXPECT_GT(syringeAreaPixels(cow1), 50);
    EXPECT_EQ(syringeAreaPixels(cow2), 0);
    cow1->carriedEffect = noTouch; // injected into the other cow
    hudFrame();
    EXPECT_EQ(syringeAreaPixels(cow1), 0);
}

TEST_F(HudPanels, ControlsKeyShowsTheControlsInTheLowerHalfOfThatHalfOnly) {
    setKeyDown(VK_F12, true);
    hudFrame();
    shot("controls");
    const Half right = halfOf(cow1);
    EXPECT_FALSE(right.perspective);
    // "CONTROLS" at y 0.8 of the screen, halved into the lower half: baseline at -0.1
    EXPECT_GT(whiteIn(right, -0.6, -0.1, 0.2, 0), 200);
    // "QUIT: ESC" at -0.8, halved: -0.9
    EXPECT_GT(whiteIn(right, -0.6, -0.9, -0.1, -0.86), 50);
    // nothing of the play panel
    EXPECT_EQ(whiteIn(right, -0.61, -0.95, -0.59, -0.91), 0);
    // the left half plays on
    EXPECT_GT(barPixels(cow2), 0);
}

// Leftmost white column at the banners' baseline right of panel x 0.05 (the result word).
int resultWordLeft(const Cow *cow) {
    const Half half = halfOf(cow);
    for (int x = pixelX(half, 0.05); x < half.left + half.width; x++)
        for (int y = pixelY(0); y < pixelY(0.1); y++)
            if (near(readPixel(x, y), White))
                return x;
    return -1;
}

TEST_F(HudPanels, WinnerAndLoserBannersReplaceThePlayPanel) {
    cow1->won = true;
    hudFrame();
    shot("banners");
    for (const Cow *cow : {cow1, cow2}) {
        SCOPED_TRACE(cow->name);
        EXPECT_GT(whiteIn(halfOf(cow), -0.6, 0, -0.1, 0.1), 100); // the name
        EXPECT_EQ(barPixels(cow), 0);
    }
    // "   WINS!" starts three blanks (about 0.12) further right than "LOSES!" at 0.1
    const int winsAt = resultWordLeft(cow1) - halfOf(cow1).left;
    const int losesAt = resultWordLeft(cow2) - halfOf(cow2).left;
    EXPECT_NEAR(losesAt, pixelX(halfOf(cow2), 0.1), 4);
    EXPECT_GT(winsAt - losesAt, 25);
}

} // namespace
