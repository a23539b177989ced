// gl_harness.h: a real GLUT window for rendered tests (run under Xvfb with Mesa's software
// renderer): draw with the game's own code, then read the pixels back.
#pragma once

#include "png_file.h"

#include <string>

struct Rgb {
    int r, g, b; // 0..255
};

// The test window (made on first use, 800 x 600 unless resized). Also sets the game's
// windowWidth/windowHeight and the GL state start-up sets (clear colour, depth test, culling).
void openTestWindow(int width = 800, int height = 600);
// Resize the window and wait until the window system has done it.
void resizeTestWindow(int width, int height);
// Clear colour and depth to the game's sky blue, identity matrices, whole-window viewport.
void beginTestFrame();
// Read one pixel of the back buffer; (x, y) from the window's bottom left, as GL counts.
Rgb readPixel(int x, int y);
// True when the channels of a and b differ by at most `tolerance`.
bool near(Rgb a, Rgb b, int tolerance = 3);
// Smallest box holding every pixel that is not near `background`; false when there is none.
struct PixelBox {
    int left, bottom, right, top; // inclusive, GL window coordinates
};
bool boundingBox(Rgb background, PixelBox *box, int tolerance = 3);
// Count pixels near `colour` inside [x0, x1) x [y0, y1).
int countPixels(Rgb colour, int x0, int y0, int x1, int y1, int tolerance = 3);
// The whole back buffer, rows from the top.
RgbPicture readWindow();
// Save the back buffer as a PNG; for looking at it.
void saveScreenshot(const std::string &pngPath);
// The game's sky-blue clear colour as pixels.
constexpr Rgb SkyBlue = {153, 204, 255};
