// pixel_helpers.h: small helpers shared by the rendered drawing tests.
#pragma once

#include "gl_harness.h"

// A 2 x 2 texture, nearest filtering: texel (s, t) = (0,0), (1,0), (0,1), (1,1) in that order.
unsigned int makeCornerTexture(const Rgb (&texels)[4]);
// Colours of the corner textures.
constexpr Rgb Red = {255, 0, 0}, Green = {0, 255, 0}, Blue = {0, 0, 255}, Yellow = {255, 255, 0};
constexpr Rgb White = {255, 255, 255};
// Pixels inside [x0, x1) x [y0, y1) that are not sky blue.
int countNonSky(int x0, int y0, int x1, int y1);
// Expect the pixels that are not sky blue to fill exactly this box, give or take a pixel.
void expectDrawnBox(int left, int right, int bottom, int top);
// The 8-bit pixel a flat colour of channels 0..1 gives.
Rgb toPixel(float r, float g, float b);
