// icon.h: the game's icon, a cow's head on a disc of pasture, kept as a list of ellipses so
// that the PNG pictures of every size and the SVG are drawn from the same shapes.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

constexpr int IconUnits = 256; // the shapes' coordinates run over 0..IconUnits each way

// One filled ellipse of the icon, in icon units; `outline`: the width of the dark rim drawn
// just before it (0 for none).
struct IconShape {
    Point centre;
    double rx, ry;
    double angle; // radians, clockwise on the picture
    Colour colour;
    double outline;
};

// The icon's shapes, back to front.
const std::vector<IconShape> &iconShapes();

// The icon at size x size pixels over a background of one colour.
Canvas drawIcon(int size, Colour background);

// The icon at size x size pixels as straight RGBA bytes (top row first), transparent where no
// shape covers it: the colour and coverage read off the picture drawn over black and white.
std::vector<unsigned char> iconRgba(int size);

// Write the icon as an 8-bit RGBA PNG of size x size pixels; false (and a line on stderr) on
// failure.
bool writeIconPng(int size, const std::string &path);
// Write the icon as SVG (the same shapes, IconUnits a side); false on failure.
bool writeIconSvg(const std::string &path);
