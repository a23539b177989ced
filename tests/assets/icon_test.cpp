// icon_test.cpp: the icon: transparent around the disc, colours and coverage that composite
// back to the picture drawn over any background, a PNG that reads back as written, a head
// whose parts show at the smallest size, and an SVG with every shape.
#include <gtest/gtest.h>

#include <png.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "icon.h"

namespace {

constexpr int Sizes[] = {48, 128, 256}; // the sizes installed, in pixels

std::string tempPath(const std::string &name) {
    return (std::filesystem::temp_directory_path() /
            ("pasturon-icon-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

// The RGBA byte of (x, y), channel 0..3.
int at(const std::vector<unsigned char> &rgba, int size, int x, int y, int channel) {
    return rgba[(static_cast<size_t>(y) * size + x) * 4 + channel];
}

TEST(Icon, TransparentAroundTheDiscAndCompositesBackOverAnyBackground) {
    for (int size : Sizes) {
        SCOPED_TRACE(size);
        std::vector<unsigned char> rgba = iconRgba(size);
        ASSERT_EQ(rgba.size(), static_cast<size_t>(size) * size * 4);
        for (int corner : {0, size - 1}) {
            EXPECT_EQ(at(rgba, size, corner, corner, 3), 0);
            EXPECT_EQ(at(rgba, size, corner, size - 1 - corner, 3), 0);
        }
        EXPECT_EQ(at(rgba, size, size / 2, size / 2, 3), 255);
        // over a grey the PNG's pixels look as the picture drawn over that grey
        const Colour grey = {0.5, 0.5, 0.5};
        Canvas drawn = drawIcon(size, grey);
        double worst = 0;
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                double a = at(rgba, size, x, y, 3) / 255.0;
                double r = at(rgba, size, x, y, 0) / 255.0;
                worst = std::max(worst, std::abs(r * a + grey.r * (1 - a) - drawn.get(x, y).r));
            }
        EXPECT_LT(worst, 2.5 / 255);
    }
}

TEST(Icon, PngReadsBackAsWritten) {
    std::string path = tempPath("icon.png");
    ASSERT_TRUE(writeIconPng(48, path));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
    EXPECT_EQ(image.width, 48u);
    EXPECT_EQ(image.height, 48u);
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> read(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr)) << image.message;
    EXPECT_EQ(read, iconRgba(48));
    std::remove(path.c_str());
    EXPECT_FALSE(writeIconPng(48, "/nonexistent-folder/icon.png"));
}

TEST(Icon, TheHeadsPartsShowAtFortyEightPixels) {
    // the share of the picture in the white of the head, the black of its patch, the pink of
    // the muzzle and the green of the pasture
    std::vector<unsigned char> rgba = iconRgba(48);
    int white = 0, black = 0, pink = 0, green = 0;
    for (int y = 0; y < 48; y++)
        for (int x = 0; x < 48; x++) {
            int r = at(rgba, 48, x, y, 0), g = at(rgba, 48, x, y, 1), b = at(rgba, 48, x, y, 2);
            if (at(rgba, 48, x, y, 3) < 250)
                continue;
            white += r > 230 && g > 230 && b > 220;
            black += r < 50 && g < 50 && b < 50;
            pink += r > 220 && g > 150 && g < 200 && b > 160 && b < 210;
            green += g > r + 40 && g > b + 40;
        }
    const int pixels = 48 * 48;
    EXPECT_GT(white, pixels / 20);
    EXPECT_GT(black, pixels / 30);
    EXPECT_GT(pink, pixels / 20);
    EXPECT_GT(green, pixels / 8);
}

TEST(Icon, SvgHoldsEveryShapeAndItsRim) {
    std::string path = tempPath("icon.svg");
    ASSERT_TRUE(writeIconSvg(path));
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    std::string svg = text.str();
    size_t ellipses = 0;
    for (size_t at = svg.find("<ellipse"); at != std::string::npos;
         at = svg.find("<ellipse", at + 1))
        ellipses++;
    size_t expected = 0;
    for (const IconShape &shape : iconShapes())
        expected += shape.outline > 0 ? 2 : 1;
    EXPECT_EQ(ellipses, expected);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    std::remove(path.c_str());
}

} // namespace
