// gl_smoke_test.cpp: the rendered-test window works: cleared to sky blue, a drawn quad shows.
#include "gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(TestWindow, ClearsToSkyBlueAndShowsAQuad) {
    openTestWindow();
    beginTestFrame();
    EXPECT_TRUE(near(readPixel(10, 10), SkyBlue));
    glDisable(GL_CULL_FACE);
    glColor3f(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex3f(-0.5f, -0.5f, 0);
    glVertex3f(0.5f, -0.5f, 0);
    glVertex3f(0.5f, 0.5f, 0);
    glVertex3f(-0.5f, 0.5f, 0);
    glEnd();
    PixelBox box;
    ASSERT_TRUE(boundingBox(SkyBlue, &box));
    EXPECT_NEAR(box.left, 200, 1);
    EXPECT_NEAR(box.right, 599, 1);
    EXPECT_NEAR(box.bottom, 150, 1);
    EXPECT_NEAR(box.top, 449, 1);
    EXPECT_TRUE(near(readPixel(400, 300), {255, 0, 0}));
}
