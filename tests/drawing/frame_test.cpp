// frame_test.cpp: the split-screen play frame: where each half lands, the sky strip between
// them, both cows drawn in both halves through the chase camera and the mirror, and the
// controls key blanking only its own half's world.
#include "pixel_helpers.h"
#include "test_data.h"
#include "test_map.h"
#include "hud/fonts.h"
#include "hud/hud.h"
#include "hud/panels.h"
#include "models/draw_passes.h"
#include "images/texture_slots.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/view_layout.h"
#include "input/keys.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

const Rgb Magenta = {255, 0, 255}; // the test's grass: no HUD or model is this colour

// What a cow's model saw when the frame called it.
struct CowDraw {
    const Cow *cow;
    int column, row;
    int viewport[4];
    double projection[16], modelview[16];
};
std::vector<CowDraw> cowDraws;

void recordDraw(const Cow *cow, int column, int row) {
    CowDraw d{cow, column, row, {}, {}, {}};
    glGetIntegerv(GL_VIEWPORT, d.viewport);
    glGetDoublev(GL_PROJECTION_MATRIX, d.projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, d.modelview);
    cowDraws.push_back(d);
}
void recordCow1(int column, int row) {
    recordDraw(cow1, column, row);
}
void recordCow2(int column, int row) {
    recordDraw(cow2, column, row);
}

// A farm of magenta grass with the cows in the middle, models replaced by recorders.
class PlayFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        openTestWindow(800, 600);
        if (!Fonts[0]) // the HUD writes its panels with them
            createFonts(testFontPath());
        savedGrass = TileTextures[TileGrass];
        TileTextures[TileGrass] = makeCornerTexture({Magenta, Magenta, Magenta, Magenta});
        ASSERT_TRUE(loadTestMap(plainMap(70, 70, '_', 30, 40, 36, 40)));
        cow1->drawHandler = recordCow1;
        cow2->drawHandler = recordCow2;
        setCameraDefaults();
        releaseAllKeys();
        cowDraws.clear();
    }
    void TearDown() override {
        setSplitView();
        releaseAllKeys();
        resizeTestWindow(800, 600);
        glDeleteTextures(1, &TileTextures[TileGrass]);
        TileTextures[TileGrass] = savedGrass;
    }
    // Magenta (terrain) pixels in the lower half of columns [x0, x1).
    int terrainIn(int x0, int x1) { return countPixels(Magenta, x0, 0, x1, 300, 60); }
    unsigned int savedGrass = 0;
};

} // namespace

TEST_F(PlayFrame, HalvesLeaveAFourPixelSkyStripBetweenThem) {
    playFrame();
    saveScreenshot("/tmp/pasturon-drawing-play.png");
    EXPECT_EQ(countPixels(SkyBlue, 398, 0, 402, 600), 4 * 600);
    // the ground fills the lower part of both halves right up to the strip
    EXPECT_EQ(countNonSky(0, 0, 398, 300), 398 * 300);
    EXPECT_EQ(countNonSky(402, 0, 800, 300), 398 * 300);
    EXPECT_GT(terrainIn(0, 398), 398 * 200);
    EXPECT_GT(terrainIn(402, 800), 398 * 200);
}

TEST_F(PlayFrame, AnOddWidthUsesTheSameHalfWidthForBoth) {
    resizeTestWindow(801, 600);
    playFrame();
    EXPECT_EQ(countPixels(SkyBlue, 398, 0, 402, 600), 4 * 600);
    EXPECT_EQ(countNonSky(0, 0, 398, 300), 398 * 300);
    EXPECT_EQ(countNonSky(402, 0, 801, 300), 399 * 300); // x 402..801, the last one clipped
    ASSERT_EQ(cowDraws.size(), 4u);
    EXPECT_EQ(cowDraws[0].viewport[2], 400);
    EXPECT_EQ(cowDraws[2].viewport[2], 398);
}

TEST_F(PlayFrame, BothCowsAreDrawnInBothHalvesThroughTheirOwnCamera) {
    cow1->x = 30.5f;
    cow1->y = 40.25f;
    playFrame();
    ASSERT_EQ(cowDraws.size(), 4u);
    const Cow *order[] = {cow1, cow2, cow1, cow2};
    for (int i = 0; i < 4; i++) {
        const CowDraw &d = cowDraws[static_cast<size_t>(i)];
        EXPECT_EQ(d.cow, order[i]);
        EXPECT_EQ(d.column, static_cast<int>(d.cow->x));
        EXPECT_EQ(d.row, static_cast<int>(d.cow->y));
        // right half for cow 1 first, then the left half for cow 2
        const int expected[4] = {i < 2 ? 402 : 0, 0, i < 2 ? 400 : 398, 600};
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(d.viewport[k], expected[k]) << "draw " << i;
        // 90 degrees vertically, aspect 400 / 600
        EXPECT_NEAR(d.projection[0], 1.5, 1e-6);
        EXPECT_NEAR(d.projection[5], 1.0, 1e-6);
        // the half's own cow, at the target height, lies straight ahead of the eye
        const Cow *own = i < 2 ? cow1 : cow2;
        const double p[3] = {own->x, own->y, 2.0};
        double eye[3];
        for (int k = 0; k < 3; k++)
            eye[k] = d.modelview[k] * p[0] + d.modelview[4 + k] * p[1] + d.modelview[8 + k] * p[2] +
                     d.modelview[12 + k];
        EXPECT_NEAR(eye[0], 0, 1e-4);
        EXPECT_NEAR(eye[1], 0, 1e-4);
        const ChaseView v = chaseView(own);
        const double distance =
            std::sqrt(std::pow(v.eye[0] - v.centre[0], 2) + std::pow(v.eye[1] - v.centre[1], 2) +
                      std::pow(v.eye[2] - v.centre[2], 2));
        EXPECT_NEAR(eye[2], -distance, 1e-4);
    }
    EXPECT_DOUBLE_EQ(lastChaseView().centre[0], -cow2->x); // the left half is drawn last
}

TEST_F(PlayFrame, HoldingAControlsKeyBlanksOnlyThatHalfsWorld) {
    float spin = spinAngle, itemSpin = itemSpinAngle;
    playFrame(); // both halves show the world: the items turn a degree in each
    EXPECT_FLOAT_EQ(spinAngle, spin + 2);
    EXPECT_FLOAT_EQ(itemSpinAngle, itemSpin + 2);
    cowDraws.clear();

    setKeyDown(VK_F12, true); // cow 1, the right half
    spin = spinAngle;
    playFrame();
    EXPECT_FLOAT_EQ(spinAngle, spin + 1);
    saveScreenshot("/tmp/pasturon-drawing-controls.png");
    EXPECT_EQ(terrainIn(402, 800), 0);
    EXPECT_GT(terrainIn(0, 398), 398 * 200);
    ASSERT_EQ(cowDraws.size(), 2u); // both cows, left half only
    EXPECT_EQ(cowDraws[0].viewport[0], 0);
    setKeyDown(VK_F12, false);

    setKeyDown(VK_F1, true); // cow 2, the left half
    cowDraws.clear();
    playFrame();
    EXPECT_EQ(terrainIn(0, 398), 0);
    EXPECT_GT(terrainIn(402, 800), 398 * 200);
    ASSERT_EQ(cowDraws.size(), 2u);
    EXPECT_EQ(cowDraws[0].viewport[0], 402);
}

TEST_F(PlayFrame, OneViewFillsTheWindowWithTheWidePanelAndTheRivalsBank) {
    hudIntroCounter = HudIntroPasses; // the play panel
    cow2->bankedHay = 7;
    setOneView(2);
    playFrame();
    saveScreenshot("/tmp/pasturon-drawing-one-view.png");
    // no sky strip: the ground runs across the whole lower third of the window
    EXPECT_EQ(countNonSky(0, 0, 800, 200), 800 * 200);
    EXPECT_GT(terrainIn(380, 420), 40 * 200);
    ASSERT_EQ(cowDraws.size(), 2u); // both cows, once, through cow 2's camera
    for (const CowDraw &d : cowDraws) {
        const int whole[4] = {0, 0, 800, 600};
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(d.viewport[k], whole[k]);
        EXPECT_NEAR(d.projection[0], 0.75, 1e-6); // aspect 800 / 600
    }
    EXPECT_DOUBLE_EQ(lastChaseView().centre[0], -cow2->x);
    // the panel spreads to the window's edges: the load's digits in the left eighth, the bank's
    // in the right eighth, and the rival's bank written in the top right corner
    const Rgb panelWhite = {255, 255, 255};
    EXPECT_GT(countPixels(panelWhite, 0, 0, 100, 100, 20), 200);
    EXPECT_GT(countPixels(panelWhite, 700, 0, 800, 100, 20), 200);
    EXPECT_GT(countPixels(panelWhite, 550, 520, 800, 600, 20), 200);
    EXPECT_EQ(countPixels(panelWhite, 0, 520, 250, 600, 20), 0);

    toggleSplitView(); // the view key: the split screen again
    playFrame();
    EXPECT_EQ(countPixels(SkyBlue, 398, 0, 402, 600), 4 * 600);
    EXPECT_EQ(countPixels(panelWhite, 550, 520, 800, 600, 20), 0); // no rival's bank
}

// What a tick advances besides the rules: the HUD introduction, the item spin, the camera.
struct TickClocks {
    int hudIntro, cameraYaw;
    float spin, itemSpin, cow1X;
    bool operator==(const TickClocks &o) const {
        return hudIntro == o.hudIntro && cameraYaw == o.cameraYaw && spin == o.spin &&
               itemSpin == o.itemSpin && cow1X == o.cow1X;
    }
};
TickClocks tickClocks() {
    return {hudIntroCounter, cameraYaw, spinAngle, itemSpinAngle, cow1->x};
}

TEST_F(PlayFrame, ATickCaughtUpUndrawnAdvancesWhatADrawnOneDoesAndARedrawNothing) {
    // with both worlds shown, one controls key held each, and the camera turning
    for (std::vector<int> keys : {std::vector<int>{VK_Left}, {VK_F12, VK_Left}, {VK_F1, 'J'}}) {
        TickClocks after[2];
        float startX = 0;
        for (int drawn = 0; drawn < 2; drawn++) {
            ASSERT_TRUE(loadTestMap(plainMap(70, 70, '_', 30, 40, 36, 40)));
            startX = cow1->x;
            hudIntroCounter = 10;
            spinAngle = itemSpinAngle = 0;
            setCameraDefaults();
            releaseAllKeys();
            for (int code : keys)
                setKeyDown(code, true);
            drawn ? playFrame() : playTickUndrawn();
            after[drawn] = tickClocks();
        }
        EXPECT_TRUE(after[0] == after[1]) << "keys from " << keys[0];
        EXPECT_EQ(after[0].hudIntro, 12);                           // both halves count
        EXPECT_EQ(after[0].cow1X < startX, keys.back() == VK_Left); // the rules ran
        drawPlayScreen(); // an uncovered window is drawn again: nothing advances
        EXPECT_TRUE(tickClocks() == after[1]) << "keys from " << keys[0];
    }
    // one view: the hidden half's clocks run on as if it were drawn
    releaseAllKeys();
    setOneView(1);
    hudIntroCounter = 10;
    const float spin = spinAngle;
    playFrame();
    EXPECT_EQ(hudIntroCounter, 12);
    EXPECT_FLOAT_EQ(spinAngle, spin + 2);
}
