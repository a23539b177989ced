// models_gl_test.cpp: every model drawn alone at a fixed camera: silhouettes against the
// documented sizes, stunned cows on their side, gates open and closed, reference pictures.
#include "model_view.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/neighbours.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/game.h"
#include "test_data.h"
#include "test_map.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// A model drawn by a handler at the origin, inside a matrix push and pop as the object pass
// does, with texturing on and colour white beforehand.
void drawAtOrigin(void (*handler)(int, int), int column = 0, int row = 0) {
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glPushMatrix();
    handler(column, row);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

// One model of a gallery: its handler and how far the camera stands back from it (cells).
struct GalleryEntry {
    void (*handler)(int, int);
    double size;   // the camera frames a cube this big round the model
    double height; // the point looked at
};

// Draw each entry in its own square of a grid, in perspective from the same direction.
void drawGallery(const GalleryEntry *entries, int count, int columns) {
    beginTestFrame();
    int cell = windowWidth / columns;
    for (int i = 0; i < count; i++) {
        const GalleryEntry &entry = entries[i];
        glViewport((i % columns) * cell, windowHeight - (i / columns + 1) * cell, cell, cell);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(40, 1, 0.1, 200);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        double d = entry.size * 1.6;
        gluLookAt(-d * 0.8, -d, d * 0.6 + entry.height, 0, 0, entry.height, 0, 0, 1);
        mirrorWorld();
        drawAtOrigin(entry.handler, 2, 2);
        glFrontFace(GL_CCW);
    }
    glViewport(0, 0, windowWidth, windowHeight);
}

class ModelPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        openTestWindow();
        ASSERT_TRUE(loadObjectRows({
            "     ", "  #  ",
            " o##\\", // fences joined to a fence above and to a rock and a gate beside
            "     ",
            "1 \\ 2", // a lone gate of cow 1 between the cows

        }));
        spinAngle = 30;
        itemSpinAngle = 30;
    }
    void TearDown() override { freeWorld(); }
};

// The home beacon as the play frame draws it with the default camera distance.
void drawTenUnitBeacon(int, int) {
    drawHomeBeacon(10);
}

TEST_F(ModelPictures, SceneryAndItemsGallery) {
    resizeTestWindow(480, 480);
    const GalleryEntry entries[] = {
        {drawBarn, 9, 1.5},          {drawSilo, 7, 3},           {drawTree, 5, 2},
        {drawFence, 1.5, 0.3},       {drawTallFence, 2, 1},      {drawRock, 1.2, 0.1},
        {drawGateOfCow1, 2.5, 1.5},  {drawStrayObject, 1, 0},    {drawHayBale, 1.3, 0.8},
        {drawGrowPill, 1.3, 0.9},    {drawHeadPill, 1.3, 0.9},   {drawSnailPill, 1.3, 0.9},
        {drawSyringeItem, 1.5, 0.3}, {drawTenUnitBeacon, 12, 5},
    };
    drawGallery(entries, sizeof entries / sizeof entries[0], 4);
    EXPECT_LT(differenceFromReference("scenery_and_items"), 0.001);
    resizeTestWindow(800, 600);
}

// Both cows, standing, stunned and big, each on the origin facing +x.
void drawCowAt(Cow *cow, void (*handler)(int, int), bool stunned, bool big) {
    cow->x = 2.5f;
    cow->y = 2.5f;
    cow->facing = 0;
    cow->stunned = stunned;
    modelScaleOf(cow) = big ? (cow == cow1 ? Cow1BigScale : Cow2BigScale)
                            : (cow == cow1 ? Cow1NormalScale : Cow2NormalScale);
    glTranslated(-2.5, -2.5, -0.9); // the cow's own position back onto the origin
    handler(0, 0);
}
void profileStanding(int, int) {
    drawCowAt(cow1, drawProfileCow, false, false);
}
void profileStunned(int, int) {
    drawCowAt(cow1, drawProfileCow, true, false);
}
void profileBig(int, int) {
    drawCowAt(cow1, drawProfileCow, false, true);
}
void quadricStanding(int, int) {
    drawCowAt(cow2, drawQuadricCow, false, false);
}
void quadricStunned(int, int) {
    drawCowAt(cow2, drawQuadricCow, true, false);
}
void quadricBig(int, int) {
    drawCowAt(cow2, drawQuadricCow, false, true);
}

TEST_F(ModelPictures, CowsGallery) {
    resizeTestWindow(480, 320);
    const GalleryEntry entries[] = {
        {profileStanding, 2.5, 0.6}, {profileStunned, 2.5, 0.6}, {profileBig, 2.5, 0.6},
        {quadricStanding, 2.5, 0.6}, {quadricStunned, 2.5, 0.6}, {quadricBig, 2.5, 0.6},
    };
    drawGallery(entries, 6, 3);
    EXPECT_LT(differenceFromReference("cows"), 0.001);
    resizeTestWindow(800, 600);
}

// Expect the extent of what shows to match (cells), within two pixels of the view's scale.
void expectExtent(const WorldExtent &shown, double across0, double across1, double up0, double up1,
                  double pixelsPerUnit) {
    double tolerance = 2.0 / pixelsPerUnit;
    EXPECT_NEAR(shown.across0, across0, tolerance);
    EXPECT_NEAR(shown.across1, across1, tolerance);
    EXPECT_NEAR(shown.up0, up0, tolerance);
    EXPECT_NEAR(shown.up1, up1, tolerance);
}

// One model alone and the box it fills in one view.
struct SizeCase {
    const char *name;
    void (*handler)(int, int);
    int column, row; // the cell it is drawn for (the neighbours of fences and gates)
    Look look;
    double pixelsPerUnit;
    double across0, across1, up0, up1; // expected extent, cells
};

class ModelSizes : public ModelPictures {};

TEST_F(ModelSizes, EachModelFillsItsDocumentedBox) {
    itemSpinAngle = 0; // the pill's tilt then leans across the view
    const SizeCase cases[] = {
        // barn: walls 8 long (end walls 0.45 thick), 6 apart (0.5 thick), roof 8.5 long with
        // its eaves at 3.3 (slabs 0.2 thick)
        {"barn from above", drawBarn, 2, 2, Look::Down, 25, -4.25, 4.25, -3.3, 3.3},
        // silo: radius 2.5, 6 high with a dome 0.75 high; ladder rails outside at y 2.75
        {"silo from the side", drawSilo, 2, 2, Look::FromSide, 50, -2.5, 2.5, 0, 6.75},
        {"silo from above", drawSilo, 2, 2, Look::Down, 50, -2.5, 2.5, -2.5, 2.85},
        // tree: trunk 4 high, foliage triangles 2 wide up to 4.4
        {"tree from the side", drawTree, 2, 2, Look::FromSide, 100, -1, 1, 0, 4.4},
        // rock: five squashed spheres, half in the ground
        {"rock from above", drawRock, 2, 2, Look::Down, 100, -0.36, 0.52, -0.38, 0.32},
        // a fence between a fence and a gate: one panel along x, rails up to 0.625
        {"fence from the side", drawFence, 3, 2, Look::FromSide, 400, -0.54, 0.46, 0.05, 0.625},
        // the same cell as a tall fence: three times as high
        {"tall fence from the side", drawTallFence, 3, 2, Look::FromSide, 200, -0.54, 0.46, 0.15,
         1.875},
        // a lone gate, closed: the leaf 0.75 to 2.25 above its cell, posts 0.2 wide
        {"gate from the side", drawGateOfCow1, 2, 4, Look::FromSide, 200, -0.6, 0.6, 0.75, 2.25},
        // stray object: a cube 0.5 at the cell centre, half below the ground
        {"stray object", drawStrayObject, 2, 2, Look::FromSide, 400, -0.25, 0.25, -0.25, 0.25},
        // pill: 0.4 wide, from 0.3 to 1.5 (tilted 5 degrees across the view)
        {"pill from the side", drawGrowPill, 2, 2, Look::FromSide, 100, -0.2, 0.2, 0.3, 1.5},
    };
    for (const SizeCase &c : cases) {
        SCOPED_TRACE(c.name);
        double middle = (c.up0 + c.up1) / 2;
        beginModelView(c.look, c.pixelsPerUnit, 0, c.look == Look::Down ? middle : 0,
                       c.look == Look::Down ? 0 : middle);
        drawAtOrigin(c.handler, c.column, c.row);
        WorldExtent shown;
        ASSERT_TRUE(shownExtent(&shown));
        expectExtent(shown, c.across0, c.across1, c.up0, c.up1, c.pixelsPerUnit);
    }
}

TEST_F(ModelSizes, HayBaleIs084HighAndTiltedFiveDegrees) {
    spinAngle = 90; // the 5 degree tilt then leans within the view
    beginModelView(Look::FromSide, 300, 0, 0, 0.8);
    drawAtOrigin(drawHayBale);
    WorldExtent centre; // the column through the bale's axis, clear of the straws
    ASSERT_TRUE(shownExtentInColumn(0, &centre));
    EXPECT_NEAR(centre.up0, 0.375, 2.0 / 300);
    EXPECT_NEAR(centre.up1 - centre.up0, 0.84, 2.0 / 300);
    // the straws stick out past the bale's widest rims (0.48 from its axis)
    WorldExtent all;
    ASSERT_TRUE(shownExtent(&all));
    EXPECT_LT(all.across0, -0.5);
    EXPECT_GT(all.across1, 0.5);
}

TEST_F(ModelSizes, SyringeLiesFlatAndRollsAboutItsLength) {
    // whatever the roll, the syringe keeps its length along the cell's diagonal and its
    // height round its axis, 0.3 above the ground
    WorldExtent first;
    for (float roll : {0.0f, 45.0f, 90.0f, 200.0f}) {
        SCOPED_TRACE(roll);
        itemSpinAngle = roll;
        beginModelView(Look::Down, 200, -0.3, 0, 0);
        drawAtOrigin(drawSyringeItem);
        WorldExtent above;
        ASSERT_TRUE(shownExtent(&above));
        beginModelView(Look::FromSide, 200, 0, 0, 0.3);
        drawAtOrigin(drawSyringeItem);
        WorldExtent side;
        ASSERT_TRUE(shownExtent(&side));
        EXPECT_GT(side.up0, 0.3 - 0.35);
        EXPECT_LT(side.up1, 0.3 + 0.35);
        // a long thing on the diagonal: as wide as it is deep, and over 1.5 of each
        EXPECT_GT(above.across1 - above.across0, 1.5);
        EXPECT_GT(above.up1 - above.up0, 1.5);
        if (roll == 0.0f)
            first = above;
        EXPECT_NEAR(above.across0, first.across0, 0.1);
        EXPECT_NEAR(above.up1, first.up1, 0.1);
    }
}

// True when the pixel where world (x, y, z) shows is barn red, alone or under the roof.
bool reddishAt(double x, double y, double z) {
    int px, py;
    worldToPixel(x, y, z, &px, &py);
    Rgb pixel = readPixel(px, py);
    return pixel.r > pixel.b + 30;
}

TEST_F(ModelSizes, BarnWallsAreThreeHighWithADoorwayAtEachEnd) {
    beginModelView(Look::FromSide, 50, 0, 0, 2);
    drawAtOrigin(drawBarn);
    // the long wall, 8 long between end walls 0.45 thick, from the ground to 3
    WorldExtent all;
    ASSERT_TRUE(shownExtent(&all));
    EXPECT_NEAR(all.across0, -4.25, 0.04); // the roof and the gables reach 4.25
    EXPECT_NEAR(all.across1, 4.25, 0.04);
    EXPECT_NEAR(all.up0, 0, 0.04);
    EXPECT_NEAR(all.up1, 4.19, 0.04); // the ridge
    for (double x : {-3.9, 0.0, 3.9}) {
        SCOPED_TRACE(x);
        EXPECT_FALSE(reddishAt(x, 0, -0.05));
        EXPECT_TRUE(reddishAt(x, 0, 0.05));
        EXPECT_TRUE(reddishAt(x, 0, 2.95));
    }
    EXPECT_FALSE(reddishAt(0, 0, 3.05)); // only the translucent roof above the wall

    beginModelView(Look::FromFront, 50, 0, 0, 2);
    drawAtOrigin(drawBarn);
    ASSERT_TRUE(shownExtent(&all));
    EXPECT_NEAR(all.across0, -3.3, 0.06); // 6 apart, under the eaves of the roof
    EXPECT_NEAR(all.across1, 3.3, 0.06);
    // through both doorways, 3.086 wide; the end walls beside them
    EXPECT_FALSE(reddishAt(0, 0, 1.5));
    EXPECT_FALSE(reddishAt(0, 1.5, 1.5));
    EXPECT_FALSE(reddishAt(0, -1.5, 1.5));
    EXPECT_TRUE(reddishAt(0, 1.6, 1.5));
    EXPECT_TRUE(reddishAt(0, -1.6, 1.5));
}

// The extent of a gate at (column, row) seen from above.
WorldExtent gateFromAbove(void (*gate)(int, int), int column, int row) {
    beginModelView(Look::Down, 200, 0, 0.3, 0);
    drawAtOrigin(gate, column, row);
    WorldExtent shown = {0, 0, 0, 0};
    EXPECT_TRUE(shownExtent(&shown));
    return shown;
}

TEST_F(ModelSizes, GatesOpenForTheirOwnerOnly) {
    // closed: across the cell along x
    WorldExtent closed = gateFromAbove(drawGateOfCow1, 2, 4);
    EXPECT_NEAR(closed.across0, -0.6, 0.02);
    EXPECT_NEAR(closed.across1, 0.6, 0.02);
    EXPECT_LT(closed.up1 - closed.up0, 0.3);
    // the rival at its own gate does not open this one
    cow2->atOwnGate = true;
    cow2->gateBroken = true;
    WorldExtent stillClosed = gateFromAbove(drawGateOfCow1, 2, 4);
    EXPECT_NEAR(stillClosed.across1, 0.6, 0.02);
    // open while the owner stands at it, or once broken: swung to lie along y at x = -0.5
    cow1->atOwnGate = true;
    WorldExtent open = gateFromAbove(drawGateOfCow1, 2, 4);
    EXPECT_LT(open.across1 - open.across0, 0.3);
    EXPECT_NEAR((open.across0 + open.across1) / 2, -0.5, 0.1);
    EXPECT_NEAR(open.up0, -0.1, 0.05);
    EXPECT_NEAR(open.up1, 1.1, 0.05);
    cow1->atOwnGate = false;
    cow1->gateBroken = true;
    WorldExtent broken = gateFromAbove(drawGateOfCow1, 2, 4);
    EXPECT_NEAR(broken.up1, open.up1, 0.01);
    EXPECT_NEAR(broken.across0, open.across0, 0.01);
}

TEST_F(ModelSizes, BeaconIsAsTallAsTheCameraIsFar) {
    for (int distance : {12, 20}) {
        SCOPED_TRACE(distance);
        beginModelView(Look::FromSide, 20, 0, 0, 12);
        glEnable(GL_TEXTURE_2D);
        drawHomeBeacon(distance);
        glDisable(GL_TEXTURE_2D);
        WorldExtent shown;
        ASSERT_TRUE(shownExtent(&shown));
        expectExtent(shown, -2, 2, 0, distance, 20);
    }
    // drawn without depth test: a wall in front does not hide it
    beginModelView(Look::FromSide, 20, 0, 0, 12);
    glColor3f(0.3f, 0.1f, 0.1f);
    glDisable(GL_CULL_FACE);
    glBegin(GL_QUADS); // a wall at y = -5, between the camera and the beacon
    glVertex3d(-5, -5, 0);
    glVertex3d(5, -5, 0);
    glVertex3d(5, -5, 10);
    glVertex3d(-5, -5, 10);
    glEnd();
    glEnable(GL_CULL_FACE);
    int x, y;
    worldToPixel(0, -5, 5, &x, &y);
    Rgb wall = readPixel(x, y);
    drawHomeBeacon(10);
    EXPECT_GT(readPixel(x, y).b, wall.b + 20);
}

// One cow and its model, for the tests both cows share.
struct CowModel {
    const char *name;
    Cow *&cow;
    void (*handler)(int, int);
    float normalScale, bigScale;
};

class ModelCows : public ModelPictures {
  protected:
    CowModel cows[2] = {{"profile cow", cow1, drawProfileCow, Cow1NormalScale, Cow1BigScale},
                        {"quadric cow", cow2, drawQuadricCow, Cow2NormalScale, Cow2BigScale}};

    // Draw `model`'s cow at (2.5, 2.5), on grass (stand height 0.9), in `look`.
    WorldExtent drawCow(const CowModel &model, Look look, int facing, bool stunned,
                        double pixelsPerUnit = 200) {
        Cow *cow = model.cow;
        cow->x = 2.5f;
        cow->y = 2.5f;
        cow->facing = facing;
        cow->stunned = stunned;
        beginModelView(look, pixelsPerUnit, 2.5, 2.5, look == Look::Down ? 0 : 1.5);
        model.handler(0, 0);
        WorldExtent shown = {0, 0, 0, 0};
        EXPECT_TRUE(shownExtent(&shown));
        return shown;
    }
};

TEST_F(ModelCows, FacingZeroPointsTheNoseAlongXAndNinetyAlongY) {
    for (const CowModel &model : cows) {
        SCOPED_TRACE(model.name);
        WorldExtent east = drawCow(model, Look::Down, 0, false);
        // longer than wide, and the head reaches further from the cow's point than the rump
        EXPECT_GT(east.across1 - east.across0, 1.5 * (east.up1 - east.up0));
        EXPECT_GT(east.across1 - 2.5, 2.5 - east.across0 + 0.1);
        WorldExtent north = drawCow(model, Look::Down, 90, false);
        EXPECT_NEAR(north.up0, east.across0, 0.02);
        EXPECT_NEAR(north.up1, east.across1, 0.02);
        EXPECT_NEAR(north.across0, 5 - east.up1, 0.02);
        EXPECT_NEAR(north.across1, 5 - east.up0, 0.02);
    }
}

TEST_F(ModelCows, AStunnedCowLiesOnItsSide) {
    for (const CowModel &model : cows) {
        SCOPED_TRACE(model.name);
        for (int facing : {0, 90}) {
            SCOPED_TRACE(facing);
            // seen along its length: standing it is taller than wide, lying wider than tall
            Look alongLength = facing == 0 ? Look::FromFront : Look::FromSide;
            WorldExtent standing = drawCow(model, alongLength, facing, false);
            EXPECT_GT(standing.up1 - standing.up0, standing.across1 - standing.across0);
            EXPECT_NEAR(standing.up0, 0.9, 0.02); // hooves on the grass
            WorldExtent lying = drawCow(model, alongLength, facing, true);
            EXPECT_GT(lying.across1 - lying.across0, 1.2 * (lying.up1 - lying.up0));
            EXPECT_LT(lying.up1, standing.up1 - 0.4);
            // rolled about its length: same place, same facing, same length
            WorldExtent standingAbove = drawCow(model, Look::Down, facing, false);
            WorldExtent lyingAbove = drawCow(model, Look::Down, facing, true);
            if (facing == 0) {
                EXPECT_NEAR(lyingAbove.across0, standingAbove.across0, 0.02);
                EXPECT_NEAR(lyingAbove.across1, standingAbove.across1, 0.02);
            } else {
                EXPECT_NEAR(lyingAbove.up0, standingAbove.up0, 0.02);
                EXPECT_NEAR(lyingAbove.up1, standingAbove.up1, 0.02);
            }
        }
    }
}

TEST_F(ModelCows, ABigCowGrowsAboutTheGroundUnderIt) {
    for (const CowModel &model : cows) {
        SCOPED_TRACE(model.name);
        modelScaleOf(model.cow) = model.normalScale;
        WorldExtent normal = drawCow(model, Look::FromSide, 0, false, 100);
        modelScaleOf(model.cow) = model.bigScale;
        WorldExtent big = drawCow(model, Look::FromSide, 0, false, 100);
        modelScaleOf(model.cow) = model.normalScale;
        double growth = model.bigScale / model.normalScale;
        EXPECT_NEAR(big.up0, normal.up0, 0.02);
        EXPECT_NEAR(big.up1 - big.up0, (normal.up1 - normal.up0) * growth, 0.03);
        EXPECT_NEAR(big.across1 - big.across0, (normal.across1 - normal.across0) * growth, 0.03);
    }
}

TEST_F(ModelCows, DrawingShowsTheCowAtItsHeightAndLeavesItThere) {
    for (const CowModel &model : cows) {
        SCOPED_TRACE(model.name);
        Cow *cow = model.cow;
        cow->z = 0.9f; // on the grass
        WorldExtent grounded = drawCow(model, Look::FromSide, 0, false);
        cow->z = 1.3f; // in the air: the play tick put it there, drawing only reads it
        WorldExtent jumping = drawCow(model, Look::FromSide, 0, false);
        EXPECT_FLOAT_EQ(cow->z, 1.3f);
        EXPECT_NEAR(jumping.up0 - grounded.up0, 0.4, 0.02);
        cow->z = 0.9f;
    }
}

TEST_F(ModelCows, ProfileCowLeavesCullingOnAndQuadricCowLeavesItAlone) {
    glDisable(GL_CULL_FACE);
    drawCow(cows[1], Look::Down, 0, false);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    drawCow(cows[0], Look::Down, 0, false);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

// One object of each kind on the farm map, drawn alone at its own cell: each shows, but for
// the invisible markers; and both cows show.
TEST(ModelFarm, EveryObjectOfTheFarmMapShows) {
    openTestWindow();
    ASSERT_TRUE(loadMap(testDataFile(GameMapPath).c_str()));
    std::set<char> kindsShown;
    int objects = 0;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const WorldObject *object = ObjectGrid[c][r];
            if (!object || kindsShown.count(object->kind))
                continue;
            SCOPED_TRACE(testing::Message()
                         << "'" << object->kind << "' at (" << c << ", " << r << ")");
            beginModelView(Look::FromSide, 40, 0, 0, 2);
            drawAtOrigin(object->drawHandler, c, r);
            WorldExtent shown;
            bool marker = object->kind == 's' || object->kind == 'x';
            EXPECT_EQ(shownExtent(&shown), !marker); // the blocking markers are invisible
            kindsShown.insert(object->kind);
            objects += !marker;
        }
    // barn, silo, tree, both fences, rock, both gates, hay, three pills, syringe
    EXPECT_EQ(objects, 13);
    for (Cow *cow : {cow1, cow2}) {
        beginModelView(Look::FromSide, 100, cow->x, cow->y, cow->z + 1);
        cow->drawHandler(0, 0);
        WorldExtent shown;
        EXPECT_TRUE(shownExtent(&shown));
    }
    freeWorld();
}

// Every object of the farm map, each way its neighbours join it (gates open and shut),
// stays inside the box that lets the object pass leave it out of a half's view: seen from
// above, the side and the front.
TEST(ModelFarm, EveryObjectStaysInsideItsViewBox) {
    openTestWindow();
    const char *data = std::getenv("PASTURON_DATA");
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(loadMap((std::string(data) + "/" + GameMapPath).c_str()));
    constexpr double PixelsPerUnit = 50, Slack = 1.5 / PixelsPerUnit; // a pixel and a half
    std::set<std::string> seen; // kind and how the neighbours join it
    int checked = 0;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const WorldObject *object = ObjectGrid[c][r];
            const ModelBox *box = object ? modelBoxOf(object->drawHandler) : nullptr;
            if (!box)
                continue;
            const FencePanels panels = fencePanels(c, r, object->kind);
            const Placement2D shut = gateLeafPlacement(c, r, object->kind, false);
            std::string signature = std::string(1, object->kind) + std::to_string(panels.alongY) +
                                    std::to_string(panels.alongX) + std::to_string(shut.xx) +
                                    std::to_string(shut.xy) + std::to_string(shut.tx) +
                                    std::to_string(shut.ty);
            if (!seen.insert(signature).second)
                continue;
            for (bool open : {false, true}) {
                cow1->atOwnGate = cow2->atOwnGate = open;
                SCOPED_TRACE(testing::Message() << "'" << object->kind << "' at (" << c << ", " << r
                                                << ")" << (open ? ", gates open" : ""));
                const Look looks[3] = {Look::Down, Look::FromSide, Look::FromFront};
                const int acrossAxis[3] = {0, 0, 1}, upAxis[3] = {1, 2, 2};
                for (int k = 0; k < 3; k++) {
                    beginModelView(looks[k], PixelsPerUnit, 0, 0, 1);
                    drawAtOrigin(object->drawHandler, c, r);
                    WorldExtent shown;
                    if (!shownExtent(&shown))
                        continue; // the invisible markers
                    const int a = acrossAxis[k], u = upAxis[k];
                    EXPECT_GE(shown.across0, box->lowest[a] - Slack);
                    EXPECT_LE(shown.across1, box->highest[a] + Slack);
                    EXPECT_GE(shown.up0, box->lowest[u] - Slack);
                    EXPECT_LE(shown.up1, box->highest[u] + Slack);
                }
                checked++;
            }
        }
    EXPECT_GT(checked, 20);
    // the cows, standing and knocked over, normal and big, within their reach
    for (Cow *cow : {cow1, cow2})
        for (bool stunned : {false, true})
            for (bool big : {false, true}) {
                cow->stunned = stunned;
                modelScaleOf(cow) = cow == cow1 ? (big ? Cow1BigScale : Cow1NormalScale)
                                                : (big ? Cow2BigScale : Cow2NormalScale);
                const double reach = CowModelReach * modelScaleOf(cow) + Slack;
                for (Look look : {Look::Down, Look::FromSide}) {
                    beginModelView(look, PixelsPerUnit / 4, cow->x, cow->y, cow->z);
                    cow->drawHandler(0, 0);
                    WorldExtent shown;
                    ASSERT_TRUE(shownExtent(&shown));
                    const double up = look == Look::Down ? cow->y : cow->z;
                    EXPECT_GE(shown.across0, cow->x - reach);
                    EXPECT_LE(shown.across1, cow->x + reach);
                    EXPECT_GE(shown.up0, up - reach);
                    EXPECT_LE(shown.up1, up + reach);
                }
            }
    freeWorld();
}

} // namespace
