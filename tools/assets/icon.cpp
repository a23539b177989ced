// icon.cpp: the cow's-head icon: its shapes, drawn into pictures and written as PNG and SVG.
#include "icon.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

const Colour OutlineColour = hex(0x2a1c14); // dark brown, the rim of the outlined shapes

// The pasture, then the head from the horns to the nostrils; the horns, ears, eyes and
// nostrils are given for the picture's left side and mirrored.
std::vector<IconShape> makeShapes() {
    const Colour white = hex(0xfbfaf4), black = hex(0x1e1a18), pink = hex(0xf2b0ba);
    const Colour horn = hex(0xefdcaa), hornTip = hex(0x9a8460), nostril = hex(0x7a3446);
    std::vector<IconShape> pairs = {
        {{72, 62}, 30, 11, -0.55, horn, 6},    // horn
        {{49, 48}, 9, 6.5, -0.55, hornTip, 0}, // its dark tip
        {{44, 108}, 36, 17, 0.38, white, 6},   // ear
        {{47, 109}, 24, 8, 0.38, pink, 0},     // inside of the ear
    };
    std::vector<IconShape> face = {
        {{128, 120}, 66, 78, 0, white, 6},   // the head
        {{96, 86}, 34, 40, 0.35, black, 0},  // the patch over cow's right eye
        {{160, 68}, 15, 10, -0.3, black, 0}, // a spot on the crown
    };
    std::vector<IconShape> eyes = {
        {{98, 107}, 14, 14, 0, white, 0},   // white around the eye on the patch
        {{98, 108}, 10, 11, 0, black, 0},   // eye
        {{94, 103}, 3.5, 3.5, 0, white, 0}, // its glint
    };
    std::vector<IconShape> muzzle = {
        {{128, 180}, 58, 40, 0, pink, 6},      // the muzzle
        {{106, 182}, 9, 13, 0.45, nostril, 0}, // nostril
    };
    auto withMirror = [](std::vector<IconShape> shapes, size_t keep) {
        // shapes[keep..] get a mirrored twin on the other side of the face
        size_t n = shapes.size();
        for (size_t i = keep; i < n; i++) {
            IconShape twin = shapes[i];
            twin.centre.x = IconUnits - twin.centre.x;
            twin.angle = -twin.angle;
            shapes.push_back(twin);
        }
        return shapes;
    };
    std::vector<IconShape> all = {{{128, 128}, 124, 124, 0, hex(0x78b84e), 4}}; // the pasture
    for (const auto &group :
         {withMirror(pairs, 0), face, withMirror(eyes, 0), withMirror(muzzle, 1)})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// A channel in 0..1 as a byte.
unsigned char byte(double v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

// "#rrggbb"
std::string svgColour(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(c.r), byte(c.g), byte(c.b));
    return text;
}

} // namespace

const std::vector<IconShape> &iconShapes() {
    static const std::vector<IconShape> shapes = makeShapes();
    return shapes;
}

Canvas drawIcon(int size, Colour background) {
    Canvas canvas(size, size, background);
    const double k = static_cast<double>(size) / IconUnits; // pixels per icon unit
    for (const IconShape &s : iconShapes()) {
        Point centre = {s.centre.x * k, s.centre.y * k};
        if (s.outline > 0)
            fillEllipse(canvas, centre, (s.rx + s.outline) * k, (s.ry + s.outline) * k,
                        OutlineColour, 1.0, s.angle);
        fillEllipse(canvas, centre, s.rx * k, s.ry * k, s.colour, 1.0, s.angle);
    }
    return canvas;
}

std::vector<unsigned char> iconRgba(int size) {
    // over black a pixel is a * colour, over white a * colour + (1 - a)
    const Canvas onBlack = drawIcon(size, {0, 0, 0});
    const Canvas onWhite = drawIcon(size, {1, 1, 1});
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            Colour b = onBlack.get(x, y), w = onWhite.get(x, y);
            double alpha = std::clamp(1 - ((w.r - b.r) + (w.g - b.g) + (w.b - b.b)) / 3, 0.0, 1.0);
            double keep = alpha > 0 ? 1 / alpha : 0;
            rgba.push_back(byte(b.r * keep));
            rgba.push_back(byte(b.g * keep));
            rgba.push_back(byte(b.b * keep));
            rgba.push_back(byte(alpha));
        }
    return rgba;
}

bool writeIconPng(int size, const std::string &path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(size);
    image.height = static_cast<png_uint_32>(size);
    image.format = PNG_FORMAT_RGBA;
    const std::vector<unsigned char> rgba = iconRgba(size);
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), image.message);
        return false;
    }
    return true;
}

bool writeIconSvg(const std::string &path) {
    std::ofstream out(path);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << IconUnits << "\" height=\""
        << IconUnits << "\" viewBox=\"0 0 " << IconUnits << " " << IconUnits << "\">\n"
        << "  <title>Pasturon</title>\n";
    auto ellipse = [&](const IconShape &s, double grow, Colour colour) {
        out << "  <ellipse cx=\"" << s.centre.x << "\" cy=\"" << s.centre.y << "\" rx=\""
            << s.rx + grow << "\" ry=\"" << s.ry + grow << "\" fill=\"" << svgColour(colour)
            << "\"";
        if (s.angle != 0)
            out << " transform=\"rotate(" << s.angle * 180 / M_PI << " " << s.centre.x << " "
                << s.centre.y << ")\"";
        out << "/>\n";
    };
    for (const IconShape &s : iconShapes()) {
        if (s.outline > 0)
            ellipse(s, s.outline, OutlineColour);
        ellipse(s, 0, s.colour);
    }
    out << "</svg>\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
