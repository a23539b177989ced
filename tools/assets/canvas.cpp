// canvas.cpp: picture buffer, anti-aliased shape filling, tileable noise and the BMP writer.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(Colour c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Colour hex(unsigned rgb) {
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

static int wrapIndex(int i, int n) {
    return ((i % n) + n) % n;
}

Canvas::Canvas(int width, int height, Colour fill)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}

Colour Canvas::get(int x, int y) const {
    return pixels[static_cast<size_t>(wrapIndex(y, h)) * w + wrapIndex(x, w)];
}

void Canvas::set(int x, int y, Colour c) {
    pixels[static_cast<size_t>(wrapIndex(y, h)) * w + wrapIndex(x, w)] = c;
}

void Canvas::blend(int x, int y, Colour c, double alpha) {
    if (x < 0 || y < 0 || x >= w || y >= h || alpha <= 0)
        return;
    Colour &p = pixels[static_cast<size_t>(y) * w + x];
    p = mix(p, c, std::min(alpha, 1.0));
}

namespace {

constexpr int SubRows = 4; // coverage samples per pixel row

// One pass of the scanline filler at the picture's own position.
void fillOnce(Canvas &canvas, const std::vector<Point> &pts, Colour c, double alpha) {
    double minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const Point &p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    int x1 = std::min(canvas.width() - 1, static_cast<int>(std::floor(maxX)));
    int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    int y1 = std::min(canvas.height() - 1, static_cast<int>(std::floor(maxY)));
    if (x0 > x1 || y0 > y1)
        return;
    std::vector<double> cover(static_cast<size_t>(x1 - x0 + 2));
    std::vector<double> crossings;
    for (int py = y0; py <= y1; ++py) {
        std::fill(cover.begin(), cover.end(), 0.0);
        for (int k = 0; k < SubRows; ++k) {
            double sy = py + (k + 0.5) / SubRows;
            crossings.clear();
            for (size_t i = 0; i < pts.size(); ++i) {
                const Point &a = pts[i];
                const Point &b = pts[(i + 1) % pts.size()];
                if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                    crossings.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                double xa = std::max(crossings[i], static_cast<double>(x0));
                double xb = std::min(crossings[i + 1], static_cast<double>(x1 + 1));
                for (int px = static_cast<int>(std::floor(xa)); px < xb && px <= x1; ++px) {
                    double overlap = std::min(xb, px + 1.0) - std::max(xa, static_cast<double>(px));
                    if (overlap > 0)
                        cover[static_cast<size_t>(px - x0)] += overlap / SubRows;
                }
            }
        }
        for (int px = x0; px <= x1; ++px)
            canvas.blend(px, py, c, alpha * cover[static_cast<size_t>(px - x0)]);
    }
}

} // namespace

void fillPolygon(Canvas &canvas, const std::vector<Point> &points, Colour c, double alpha) {
    if (points.size() < 3)
        return;
    if (!canvas.wrap) {
        fillOnce(canvas, points, c, alpha);
        return;
    }
    std::vector<Point> shifted(points.size());
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (size_t i = 0; i < points.size(); ++i)
                shifted[i] = {points[i].x + dx * canvas.width(),
                              points[i].y + dy * canvas.height()};
            fillOnce(canvas, shifted, c, alpha);
        }
    }
}

void fillEllipse(Canvas &canvas, Point centre, double rx, double ry, Colour c, double alpha,
                 double angle) {
    int n = std::clamp(static_cast<int>((rx + ry) * 1.5), 16, 160);
    std::vector<Point> pts;
    double ca = std::cos(angle), sa = std::sin(angle);
    for (int i = 0; i < n; ++i) {
        double t = 2 * M_PI * i / n;
        double ex = rx * std::cos(t), ey = ry * std::sin(t);
        pts.push_back({centre.x + ex * ca - ey * sa, centre.y + ex * sa + ey * ca});
    }
    fillPolygon(canvas, pts, c, alpha);
}

void drawLine(Canvas &canvas, Point a, Point b, double width, Colour c, double alpha) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len = std::hypot(dx, dy);
    double r = width / 2;
    if (len < 1e-9) {
        fillEllipse(canvas, a, r, r, c, alpha);
        return;
    }
    double base = std::atan2(dy, dx);
    const int capSteps = std::clamp(static_cast<int>(r * 2), 4, 24);
    std::vector<Point> pts;
    for (int i = 0; i <= capSteps; ++i) { // round end at b, from the left side to the right
        double t = base - M_PI / 2 + M_PI * i / capSteps;
        pts.push_back({b.x + r * std::cos(t), b.y + r * std::sin(t)});
    }
    for (int i = 0; i <= capSteps; ++i) { // round end at a
        double t = base + M_PI / 2 + M_PI * i / capSteps;
        pts.push_back({a.x + r * std::cos(t), a.y + r * std::sin(t)});
    }
    fillPolygon(canvas, pts, c, alpha);
}

void drawPath(Canvas &canvas, const std::vector<Point> &points, double width, Colour c,
              double alpha) {
    for (size_t i = 0; i + 1 < points.size(); ++i)
        drawLine(canvas, points[i], points[i + 1], width, c, alpha);
}

TileNoise::TileNoise(int periodX, int periodY, std::uint64_t seed)
    : periodX(periodX), periodY(periodY), lattice(static_cast<size_t>(periodX) * periodY) {
    Rng rng(seed);
    for (double &v : lattice)
        v = rng.unit();
}

static double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double TileNoise::at(double x, double y) const {
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = fade(x - ix), fy = fade(y - iy);
    auto v = [&](int cx, int cy) {
        return lattice[static_cast<size_t>(wrapIndex(cy, periodY)) * periodX +
                       wrapIndex(cx, periodX)];
    };
    double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * fx;
    double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

TileFractal::TileFractal(int width, int height, int cellsX, int cellsY, int octaves,
                         std::uint64_t seed)
    : kx(static_cast<double>(cellsX) / width), ky(static_cast<double>(cellsY) / height) {
    for (int i = 0; i < octaves; ++i)
        layers.emplace_back(cellsX << i, cellsY << i, seed * 7919 + static_cast<std::uint64_t>(i));
}

double TileFractal::at(double x, double y) const {
    double sum = 0, weight = 0, amp = 1, k = 1;
    for (const TileNoise &layer : layers) {
        sum += amp * layer.at(x * kx * k, y * ky * k);
        weight += amp;
        amp *= 0.5;
        k *= 2;
    }
    return sum / weight;
}

static void putLE(std::vector<unsigned char> &out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 255));
}

static unsigned char channel(double v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

bool writeBmp(const Canvas &canvas, const std::string &path) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(canvas.width()) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(canvas.height());
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    putLE(out, 54 + dataBytes, 4); // file size
    putLE(out, 0, 4);              // reserved
    putLE(out, 54, 4);             // offset of the pixels
    putLE(out, 40, 4);             // info header size
    putLE(out, static_cast<std::uint32_t>(canvas.width()), 4);
    putLE(out, static_cast<std::uint32_t>(canvas.height()), 4); // positive: bottom row first
    putLE(out, 1, 2);                                           // planes
    putLE(out, 24, 2);                                          // bits per pixel
    putLE(out, 0, 4);                                           // no compression
    putLE(out, dataBytes, 4);
    putLE(out, 2835, 4); // 72 dots per inch
    putLE(out, 2835, 4);
    putLE(out, 0, 4);
    putLE(out, 0, 4);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        size_t start = out.size();
        for (int x = 0; x < canvas.width(); ++x) {
            Colour c = canvas.get(x, y);
            out.push_back(channel(c.b));
            out.push_back(channel(c.g));
            out.push_back(channel(c.r));
        }
        while (out.size() - start < rowBytes)
            out.push_back(0);
    }
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

void fillRegion(Canvas &canvas, int x0, int y0, int x1, int y1,
                const std::function<bool(double x, double y)> &inside,
                const std::function<Colour(double x, double y)> &colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, canvas.width() - 1);
    y1 = std::min(y1, canvas.height() - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int k = 0; k < 16; ++k)
                hits += inside(x + (k % 4 + 0.5) / 4, y + (k / 4 + 0.5) / 4);
            if (hits)
                canvas.blend(x, y, colour(x + 0.5, y + 0.5), hits / 16.0);
        }
}
