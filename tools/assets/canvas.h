// canvas.h: the generator's picture buffer and drawing: anti-aliased polygons and ellipses,
// tileable noise, and the 24-bit BMP writer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rng.h"

// A colour with channels in 0..1.
struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t); // a at t = 0, b at t = 1
Colour scale(Colour c, double factor);    // every channel times factor
Colour hex(unsigned rgb);                 // 0xRRGGBB

// A point in pixels; x to the right, y down (as an image viewer shows the picture).
struct Point {
    double x, y;
};

// An RGB picture; row 0 is the top.
class Canvas {
  public:
    Canvas(int width, int height, Colour fill = {0, 0, 0});

    int width() const { return w; }
    int height() const { return h; }
    // Pixel colour; coordinates wrap around the edges.
    Colour get(int x, int y) const;
    void set(int x, int y, Colour c); // coordinates wrap
    // Cover pixel (x, y) with c at opacity alpha; pixels off the picture are ignored.
    void blend(int x, int y, Colour c, double alpha);

    // When set, shapes are drawn again shifted by a picture's width and height so that
    // they continue across the edges (for textures that repeat).
    bool wrap = false;

  private:
    int w, h;
    std::vector<Colour> pixels;
};

// Fill a closed polygon (even-odd rule) with anti-aliased edges.
void fillPolygon(Canvas &canvas, const std::vector<Point> &points, Colour c, double alpha = 1.0);
// Fill an ellipse with radii (rx, ry) turned by angle radians about its centre.
void fillEllipse(Canvas &canvas, Point centre, double rx, double ry, Colour c, double alpha = 1.0,
                 double angle = 0.0);
// A straight stroke of the given width in pixels, with round ends.
void drawLine(Canvas &canvas, Point a, Point b, double width, Colour c, double alpha = 1.0);
// A stroke along a polyline.
void drawPath(Canvas &canvas, const std::vector<Point> &points, double width, Colour c,
              double alpha = 1.0);

// Smooth value noise in 0..1 that repeats every periodX units in x and periodY units in y.
class TileNoise {
  public:
    TileNoise(int periodX, int periodY, std::uint64_t seed);
    double at(double x, double y) const;

  private:
    int periodX, periodY;
    std::vector<double> lattice;
};

// Fractal noise in about 0..1 over a picture of width x height pixels that repeats at its
// edges: `octaves` layers, the first with cellsX by cellsY lattice cells, each twice as fine.
class TileFractal {
  public:
    TileFractal(int width, int height, int cellsX, int cellsY, int octaves, std::uint64_t seed);
    // Square pictures with square cells.
    TileFractal(int size, int cells, int octaves, std::uint64_t seed)
        : TileFractal(size, size, cells, cells, octaves, seed) {}
    double at(double x, double y) const;

  private:
    double kx, ky; // lattice cells per pixel in the first layer
    std::vector<TileNoise> layers;
};

// Write the picture as an uncompressed 24-bit BMP (bottom row first); false on failure.
bool writeBmp(const Canvas &canvas, const std::string &path);

// Fill the region where inside(x, y) holds (tested at 4 x 4 points per pixel) with the
// colour of each pixel's centre; the box (x0, y0)-(x1, y1) bounds the region.
void fillRegion(Canvas &canvas, int x0, int y0, int x1, int y1,
                const std::function<bool(double x, double y)> &inside,
                const std::function<Colour(double x, double y)> &colour);
