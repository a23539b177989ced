// text.h: lettering drawn into a picture from a TrueType font.
#pragma once

#include <string>

#include "canvas.h"

// How a line of text looks: its size and its fill, outline and drop shadow.
struct TextStyle {
    int pixelSize;
    Colour fill;
    Colour outline;
    double outlineWidth; // pixels; 0 for none
    Point shadowOffset;  // pixels; the shadow is the outline colour at half opacity
};

// Draw one line of text centred on x with its baseline at y; false (reported on stderr) when
// the font cannot be read.
bool drawText(Canvas &canvas, const std::string &fontPath, const std::string &text, Point at,
              const TextStyle &style);
