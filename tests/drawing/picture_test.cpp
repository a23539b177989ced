// picture_test.cpp: the whole play frame on the game's own farm (real textures, font and map,
// 800 x 600, both halves), with the cows and the camera in several places, compared pixel by
// pixel with reference pictures. Retake the references after a deliberate change of the
// picture: PASTURON_UPDATE_REFERENCES=1 ctest -R drawing_picture_test.
#include "farm_scene.h"
#include "gl_harness.h"
#include "hud/hud.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "shell/camera.h"
#include "shell/detail.h"
#include "input/keys.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// A pixel differs when one of its channels is off by more than this (0..255)...
constexpr int ChannelTolerance = 16;
// ...and a picture passes while at most this many of its pixels differ (edges that a
// rasteriser may round the other way).
constexpr int DifferingPixelsAllowed = 240; // 0.05% of 800 x 600

constexpr int IntroOver = 2 * 100; // HUD passes after which the play panel shows

// Cow positions of a view; column -1 puts both cows on the busiest cells of the benchmark.
struct CowCell {
    int column, row;
    char tile; // the tile kind the view expects there, so that an edited map shows up clearly
};

// One picture: where the cows stand, the camera, a held key and what else is set.
struct View {
    const char *name;
    CowCell cow1, cow2;
    int cameraDistance, cameraYaw, cameraPitch; // world units, degrees
    int heldKey;                                // a controls key, or 0
    void (*dress)();                            // extra state before the frame, or null
};

void showIntroduction() {
    hudIntroCounter = 0;
}
void loadBothCows() {
    cow1->carriedHay = 7;
    cow1->bankedHay = 23;
    cow2->carriedEffect = slowDown; // the syringe indicator
    cow2->bankedHay = 5;
}
void stunCow2() {
    cow2->stunned = true;
}
void growCow1() {
    cow1->big = true;
    cow1->stamina = 300;
    modelScaleOf(cow1) = Cow1BigScale;
}
void cow1Wins() {
    cow1->won = true;
    cow1->bankedHay = 61;
}

constexpr CowCell Busiest = {-1, -1, 0};

const View Views[] = {
    {"busiest", Busiest, Busiest, 10, -20, 70, 0, nullptr},
    {"introduction", Busiest, Busiest, 10, -20, 70, 0, showIntroduction},
    {"controls_cow1", Busiest, Busiest, 10, -20, 70, VK_F12, nullptr},
    {"controls_cow2", Busiest, Busiest, 10, -20, 70, VK_F1, nullptr},
    {"water", {40, 63, '~'}, {46, 59, '~'}, 10, 160, 70, 0, loadBothCows},
    {"barn", {42, 27, '.'}, {38, 26, '_'}, 10, -20, 70, 0, stunCow2},
    {"silo", {54, 24, '_'}, {30, 24, '_'}, 20, -20, 50, 0, growCow1},
    {"gate", {63, 62, '_'}, {21, 61, '_'}, 10, 90, 70, 0, cow1Wins},
    {"hill", {40, 39, 'E'}, {37, 33, 'e'}, 6, -20, 20, 0, nullptr},
    {"map_edge", {81, 77, '.'}, {2, 2, 'e'}, 10, -120, 60, 0, nullptr},
};

// How far a picture is from its reference.
struct Difference {
    int largest;   // the largest channel difference of any pixel
    int differing; // pixels off by more than ChannelTolerance
};

Difference compare(const RgbPicture &reference, const RgbPicture &picture,
                   RgbPicture *differences) {
    Difference d = {0, 0};
    *differences = picture;
    for (size_t p = 0; p + 2 < picture.rgb.size(); p += 3) {
        int worst = 0;
        for (size_t c = 0; c < 3; c++)
            worst = std::max(worst, std::abs(picture.rgb[p + c] - reference.rgb[p + c]));
        d.largest = std::max(d.largest, worst);
        d.differing += worst > ChannelTolerance;
        // the differences picture: black where equal, brighter with the difference
        const unsigned char shown = static_cast<unsigned char>(std::min(255, worst * 8));
        differences->rgb[p] = differences->rgb[p + 1] = differences->rgb[p + 2] = shown;
    }
    return d;
}

// Put the world, the cows and the camera as `view` says.
void setUp(const View &view, int index) {
    ASSERT_TRUE(loadMap(GameMapPath));
    ViewCell busiest1, busiest2;
    busiestPair(&busiest1, &busiest2);
    CowCell cell1 = view.cow1, cell2 = view.cow2;
    if (cell1.column < 0)
        cell1 = {busiest1.column, busiest1.row, TileGrid[busiest1.column][busiest1.row]->kind};
    if (cell2.column < 0)
        cell2 = {busiest2.column, busiest2.row, TileGrid[busiest2.column][busiest2.row]->kind};
    for (const CowCell &cell : {cell1, cell2}) {
        ASSERT_EQ(TileGrid[cell.column][cell.row]->kind, cell.tile) << view.name;
        ASSERT_EQ(ObjectGrid[cell.column][cell.row], nullptr) << view.name;
    }
    placeCow(cow1, cell1.column, cell1.row);
    placeCow(cow2, cell2.column, cell2.row);
    cameraDistance = view.cameraDistance;
    cameraYaw = view.cameraYaw;
    cameraPitch = view.cameraPitch;
    spinAngle = itemSpinAngle = 15.0f + 35.0f * static_cast<float>(index); // degrees
    hudIntroCounter = IntroOver;
    releaseAllKeys();
    if (view.heldKey)
        setKeyDown(view.heldKey, true);
    if (view.dress)
        view.dress();
}

// The views low detail has references of its own for ("low_NAME.png").
const char *const LowDetailViews[] = {"busiest", "water", "barn", "hill"};

class Picture : public ::testing::TestWithParam<int> {
  protected:
    static void SetUpTestSuite() {
        const char *data = std::getenv("PASTURON_DATA");
        ASSERT_NE(data, nullptr) << "PASTURON_DATA names the game's data folder";
        ASSERT_TRUE(startFarm(data));
    }
    static void TearDownTestSuite() {
        releaseAllKeys();
        setCameraDefaults();
    }
};

} // namespace

// Draw `view` at `detail` and compare it with the reference named `name`.
void expectPicture(const View &view, int index, Detail detail, const std::string &name) {
    setUp(view, index);
    if (::testing::Test::HasFatalFailure())
        return;
    setDetail(detail);
    playFrame();
    setDetail(Detail::High);
    const RgbPicture picture = readWindow();
    const std::string reference = std::string(PicturesReferenceDir) + "/" + name + ".png";
    const std::string current = std::string(PicturesOutputDir) + "/picture_" + name + ".png";
    ASSERT_TRUE(writePng(current, picture));
    if (std::getenv("PASTURON_UPDATE_REFERENCES")) {
        ASSERT_TRUE(writePng(reference, picture));
        return;
    }
    RgbPicture expected, differences;
    ASSERT_TRUE(readPng(reference, &expected)) << "no reference " << reference;
    ASSERT_EQ(expected.width, picture.width);
    ASSERT_EQ(expected.height, picture.height);
    const Difference d = compare(expected, picture, &differences);
    writePng(std::string(PicturesOutputDir) + "/picture_" + name + "_differences.png", differences);
    std::printf("%s: largest channel difference %d, %d pixels over %d\n", name.c_str(), d.largest,
                d.differing, ChannelTolerance);
    EXPECT_LE(d.differing, DifferingPixelsAllowed)
        << name << ": see " << current << " and its _differences picture";
}

TEST_P(Picture, PlayFrameMatchesTheReference) {
    expectPicture(Views[GetParam()], GetParam(), Detail::High, Views[GetParam()].name);
}

// Low detail: a lighter picture of its own (half the size scaled up, unfiltered textures,
// lighter models).
TEST_P(Picture, LowDetailMatchesItsOwnReference) {
    const View &view = Views[GetParam()];
    if (std::find_if(std::begin(LowDetailViews), std::end(LowDetailViews), [&](const char *name) {
            return std::string(name) == view.name;
        }) == std::end(LowDetailViews))
        GTEST_SKIP() << "no low-detail reference for " << view.name;
    expectPicture(view, GetParam(), Detail::Low, std::string("low_") + view.name);
}

INSTANTIATE_TEST_SUITE_P(FarmViews, Picture,
                         ::testing::Range(0, static_cast<int>(std::size(Views))),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(Views[info.param].name);
                         });
