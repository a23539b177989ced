// primitives_test.cpp: the hand-built solids land where they should, show their texture the
// right way round, the prism draws with culling off and leaves it on, and fractional counts
// of the sphere and torus are truncated.
#include "pixel_helpers.h"
#include "models/primitives.h"

#include <GL/gl.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

// 200 pixels per unit in an 800 x 600 window, the origin at its centre.
void beginOrthoFrame() {
    openTestWindow(800, 600);
    beginTestFrame();
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -1.5, 1.5, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
}

// Make the model's +z point up the screen (x stays to the right).
void lookFromTheSide() {
    glRotatef(-90, 1, 0, 0);
}

// Pixels a white drawing covers in a fresh frame.
int coveredBy(const std::function<void()> &draw, bool fromTheSide) {
    beginOrthoFrame();
    glDisable(GL_CULL_FACE);
    if (fromTheSide)
        lookFromTheSide();
    draw();
    glEnable(GL_CULL_FACE);
    return countNonSky(0, 0, 800, 600);
}

} // namespace

TEST(HalfBox, StandsOnZeroAndIsHalfAsTallAsItIsWide) {
    beginOrthoFrame();
    glDisable(GL_CULL_FACE);
    lookFromTheSide();
    texturedHalfBox(1);
    expectDrawnBox(300, 499, 300, 399);

    beginOrthoFrame();
    lookFromTheSide();
    glScalef(1, 1, 3); // a block 1.5 tall standing on z = 0
    texturedHalfBox(1);
    expectDrawnBox(300, 499, 300, 599);
    glEnable(GL_CULL_FACE);
}

TEST(HalfBox, TopFaceShowsTheWholeTextureOnce) {
    beginOrthoFrame();
    const unsigned int texture = makeCornerTexture({Red, Green, Blue, Yellow});
    glEnable(GL_TEXTURE_2D);
    texturedHalfBox(1); // seen from above: the top face in front
    glDisable(GL_TEXTURE_2D);
    // (0,0) at (-h, h), (0,1) at (-h, -h), (1,1) at (h, -h), (1,0) at (h, h)
    EXPECT_TRUE(near(readPixel(320, 380), Red));
    EXPECT_TRUE(near(readPixel(320, 220), Blue));
    EXPECT_TRUE(near(readPixel(480, 220), Yellow));
    EXPECT_TRUE(near(readPixel(480, 380), Green));
    glDeleteTextures(1, &texture);
}

TEST(Prism, DrawsItsBackFacesAndLeavesCullingOn) {
    beginOrthoFrame();
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glRotatef(180, 0, 1, 0); // seen from -z: both end triangles wind clockwise
    texturedPrism(2, 1, 0.5);
    expectDrawnBox(200, 599, 300, 499);
    EXPECT_TRUE(near(readPixel(400, 480), White)); // the apex at (0, h)
    EXPECT_TRUE(near(readPixel(220, 480), SkyBlue));

    glDisable(GL_CULL_FACE);
    texturedPrism(1, 1, 1);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

TEST(Counts, SphereAndTorusTruncateFractionalCounts) {
    auto sphere = [](double slices, double stacks) {
        return [=] { texturedSphere(1, slices, stacks); };
    };
    // along the poles the outline is a polygon of `slices` sides
    const int threeSlices = coveredBy(sphere(3, 5), false);
    EXPECT_EQ(coveredBy(sphere(3.9, 5), false), threeSlices);
    EXPECT_NE(coveredBy(sphere(4, 5), false), threeSlices);
    // from the side the stacks shape the outline
    const int fiveStacks = coveredBy(sphere(10, 5), true);
    EXPECT_EQ(coveredBy(sphere(10.9, 5.2), true), fiveStacks);
    EXPECT_NE(coveredBy(sphere(10, 6), true), fiveStacks);

    auto torus = [](double sides) { return [=] { drawTorus(0.3, 1, sides, 20); }; };
    // from the side the tube's cross-section has `sides` sides
    const int eightSides = coveredBy(torus(8), true);
    EXPECT_EQ(coveredBy(torus(8.7), true), eightSides);
    EXPECT_NE(coveredBy(torus(9), true), eightSides);
}
