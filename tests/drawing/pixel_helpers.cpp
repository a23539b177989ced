// pixel_helpers.cpp: textures and pixel counts for the rendered drawing tests.
#include "pixel_helpers.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

unsigned int makeCornerTexture(const Rgb (&texels)[4]) {
    unsigned char data[12];
    for (int i = 0; i < 4; i++) {
        data[i * 3] = static_cast<unsigned char>(texels[i].r);
        data[i * 3 + 1] = static_cast<unsigned char>(texels[i].g);
        data[i * 3 + 2] = static_cast<unsigned char>(texels[i].b);
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, data);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return name;
}

int countNonSky(int x0, int y0, int x1, int y1) {
    return (x1 - x0) * (y1 - y0) - countPixels(SkyBlue, x0, y0, x1, y1);
}

Rgb toPixel(float r, float g, float b) {
    auto channel = [](float v) { return static_cast<int>(std::lround(v * 255.0f)); };
    return {channel(r), channel(g), channel(b)};
}

void expectDrawnBox(int left, int right, int bottom, int top) {
    PixelBox box;
    ASSERT_TRUE(boundingBox(SkyBlue, &box)) << "nothing drawn";
    EXPECT_NEAR(box.left, left, 1);
    EXPECT_NEAR(box.right, right, 1);
    EXPECT_NEAR(box.bottom, bottom, 1);
    EXPECT_NEAR(box.top, top, 1);
}
