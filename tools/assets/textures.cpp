// textures.cpp: the tile and model textures, painted from noise and simple shapes.
#include "assets.h"
#include "images/texture_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "canvas.h"

namespace {

double smoothstep(double a, double b, double x) {
    double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Set every pixel from a function of its position.
void paint(Canvas &c, const std::function<Colour(int x, int y)> &f) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            c.set(x, y, f(x, y));
}

// Darken or lighten every pixel by a noise field: factor 1 - depth/2 .. 1 + depth/2.
void shadeBy(Canvas &c, const TileFractal &noise, double depth) {
    paint(c, [&](int x, int y) { return scale(c.get(x, y), 1 + depth * (noise.at(x, y) - 0.5)); });
}

// A rounded rectangle as a polygon.
std::vector<Point> roundedRect(double x0, double y0, double x1, double y1, double radius) {
    std::vector<Point> pts;
    const Point corners[4] = {{x1 - radius, y0 + radius},
                              {x1 - radius, y1 - radius},
                              {x0 + radius, y1 - radius},
                              {x0 + radius, y0 + radius}};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i <= 6; ++i) {
            double t = -M_PI / 2 + M_PI / 2 * (k + i / 6.0);
            pts.push_back(
                {corners[k].x + radius * std::cos(t), corners[k].y + radius * std::sin(t)});
        }
    return pts;
}

// Short strokes scattered over the picture: straws, blades, fibres.
struct Strokes {
    int count;
    double minLength, maxLength;
    double angle, angleSpread; // radians; 0 = to the right, -pi/2 = up
    double width;
    Colour dark, light;
    double alpha;
};

void scatterStrokes(Canvas &c, Rng &rng, const Strokes &s) {
    for (int i = 0; i < s.count; ++i) {
        Point a{rng.range(0, c.width()), rng.range(0, c.height())};
        double len = rng.range(s.minLength, s.maxLength);
        double ang = s.angle + rng.range(-s.angleSpread, s.angleSpread);
        Point b{a.x + len * std::cos(ang), a.y + len * std::sin(ang)};
        drawLine(c, a, b, s.width, mix(s.dark, s.light, rng.unit()), s.alpha);
    }
}

Canvas grass() {
    const int n = 256;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal base(n, 4, 5, 11);
    paint(c, [&](int x, int y) { return mix(hex(0x3c7424), hex(0x74b040), base.at(x, y)); });
    Rng rng(12);
    scatterStrokes(c, rng, {2600, 4, 10, -M_PI / 2, 0.6, 1.3, hex(0x2c5e1a), hex(0x9ad05a), 0.7});
    for (int i = 0; i < 14; ++i) { // a few clover flowers
        Point p{rng.range(0, n), rng.range(0, n)};
        Colour petal = i % 3 ? hex(0xf4f4ea) : hex(0xf2d64a);
        for (int k = 0; k < 5; ++k) {
            double t = 2 * M_PI * k / 5;
            fillEllipse(c, {p.x + 2.2 * std::cos(t), p.y + 2.2 * std::sin(t)}, 1.6, 1.6, petal);
        }
        fillEllipse(c, p, 1.2, 1.2, hex(0xe0a020));
    }
    shadeBy(c, TileFractal(n, 8, 3, 13), 0.25);
    return c;
}

Canvas dirt() {
    const int n = 256;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal base(n, 5, 5, 21);
    TileFractal patches(n, 3, 3, 22);
    paint(c, [&](int x, int y) {
        Colour soil = mix(hex(0x6e4a2c), hex(0xa47a4e), base.at(x, y));
        return mix(soil, hex(0x5a3b22), 0.5 * smoothstep(0.55, 0.7, patches.at(x, y)));
    });
    Rng rng(23);
    for (int i = 0; i < 170; ++i) { // pebbles with a lit top and a shadow below
        Point p{rng.range(0, n), rng.range(0, n)};
        double rx = rng.range(1.2, 4.2), ry = rx * rng.range(0.6, 0.9), a = rng.range(0, M_PI);
        Colour stone = mix(hex(0x7c705f), hex(0xc4b59a), rng.unit());
        fillEllipse(c, {p.x + 1, p.y + 1.2}, rx, ry, hex(0x3a2614), 0.5, a);
        fillEllipse(c, p, rx, ry, stone, 1, a);
        fillEllipse(c, {p.x - rx * 0.3, p.y - ry * 0.35}, rx * 0.4, ry * 0.3,
                    mix(stone, hex(0xffffff), 0.5), 0.8, a);
    }
    scatterStrokes(c, rng, {240, 2, 5, 0, M_PI, 1.0, hex(0x4a3018), hex(0x8a6a44), 0.5});
    shadeBy(c, TileFractal(n, 16, 2, 24), 0.2);
    return c;
}

Canvas water() {
    const int n = 256;
    Canvas c(n, n);
    TileFractal warp(n, 3, 3, 31);
    TileFractal tone(n, 2, 3, 32);
    // Wave directions in whole cycles across the tile, so the pattern repeats.
    const int waves[4][2] = {{3, 1}, {-1, 4}, {2, -3}, {5, 2}};
    paint(c, [&](int x, int y) {
        double w = 0;
        for (const auto &k : waves)
            w += std::sin(2 * M_PI * (k[0] * x + k[1] * y) / n + 7 * warp.at(x, y));
        double ripple = std::pow(1 - std::fabs(w) / 4, 8);
        double crest = std::pow(std::max(0.0, w / 4), 2);
        Colour deep = mix(hex(0x164e86), hex(0x2f7cc0), tone.at(x, y));
        Colour lit = mix(deep, hex(0x5fb4e8), crest);
        return mix(lit, hex(0xe8f6ff), 0.75 * ripple);
    });
    return c;
}

Canvas wallBlock() {
    const int n = 128, courses = 4, courseHeight = n / courses;
    Canvas c(n, n, hex(0x8c8272));
    c.wrap = true;
    TileFractal mortar(n, 8, 3, 41);
    paint(c, [&](int x, int y) { return scale(hex(0x8c8272), 0.8 + 0.35 * mortar.at(x, y)); });
    Rng rng(42);
    for (int row = 0; row < courses; ++row) {
        double x = rng.range(0, n), end = x + n;
        while (x < end - 1) {
            double width = std::min(rng.range(34, 58), end - x);
            if (end - x - width < 24) // no sliver at the seam of the course
                width = end - x;
            double y0 = row * courseHeight + 2.5, y1 = (row + 1) * courseHeight - 2.5;
            double x0 = x + 2.5, x1 = x + width - 2.5;
            Colour stone = mix(hex(0x6d6e70), hex(0xb0aaa0), rng.unit());
            fillPolygon(c, roundedRect(x0 + 1.5, y0 + 1.5, x1 + 1.5, y1 + 1.5, 5), hex(0x3c3630));
            fillPolygon(c, roundedRect(x0 - 1, y0 - 1, x1 - 1, y1 - 1, 5),
                        mix(stone, hex(0xffffff), 0.35));
            fillPolygon(c, roundedRect(x0, y0, x1, y1, 5), stone);
            x += width;
        }
    }
    shadeBy(c, TileFractal(n, 16, 3, 43), 0.35);
    return c;
}

Canvas foliage() {
    const int n = 64;
    Canvas c(n, n, hex(0x1f4a18));
    c.wrap = true;
    Rng rng(51);
    for (int i = 0; i < 260; ++i) {
        Point p{rng.range(0, n), rng.range(0, n)};
        double a = rng.range(0, M_PI);
        double len = rng.range(2.5, 4.5);
        Colour leaf = mix(hex(0x2a6a1e), hex(0x8acb4a), rng.unit() * rng.unit() + 0.15);
        fillEllipse(c, {p.x + 0.8, p.y + 0.8}, len, len * 0.5, hex(0x10280c), 0.6, a);
        fillEllipse(c, p, len, len * 0.5, leaf, 1, a);
    }
    shadeBy(c, TileFractal(n, 4, 2, 52), 0.5);
    return c;
}

Canvas bark() {
    const int n = 64;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal fibres(n, n, 16, 2, 3, 61);
    paint(c, [&](int x, int y) {
        double f = fibres.at(x, y);
        return mix(hex(0x3a2516), hex(0x8a6642), smoothstep(0.2, 0.8, f));
    });
    Rng rng(62);
    for (int i = 0; i < 14; ++i) { // deep grooves running up the trunk
        double x = rng.range(0, n), y = rng.range(0, n);
        std::vector<Point> path;
        for (int k = 0; k < 6; ++k) {
            path.push_back({x, y});
            x += rng.range(-1.5, 1.5);
            y += rng.range(5, 9);
        }
        drawPath(c, path, rng.range(1.0, 2.0), hex(0x24160c), 0.8);
    }
    return c;
}

Canvas hayFace() {
    const int n = 128;
    Canvas c(n, n);
    TileFractal fleck(n, 32, 2, 71);
    const double centre = n / 2.0, spacing = 7.0;
    paint(c, [&](int x, int y) {
        double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
        double r = std::hypot(dx, dy), theta = std::atan2(dy, dx);
        double phase = r / spacing - theta / (2 * M_PI); // a spiral rolled from the centre
        double band = 0.5 + 0.5 * std::cos(2 * M_PI * phase);
        Colour straw = mix(hex(0xe8cf7c), hex(0xa07a30), std::pow(band, 3));
        straw = scale(straw, 0.85 + 0.3 * fleck.at(x, y));
        return mix(straw, hex(0x9a7430), 0.6 * smoothstep(n * 0.42, n * 0.5, r)); // worn rim
    });
    Rng rng(72);
    for (int i = 0; i < 220; ++i) { // loose straws laid along the roll
        double r = rng.range(4, n * 0.48), theta = rng.range(0, 2 * M_PI);
        double len = rng.range(0.15, 0.45);
        std::vector<Point> arc;
        for (int k = 0; k <= 4; ++k) {
            double t = theta + len * k / 4;
            arc.push_back({centre + r * std::cos(t), centre + r * std::sin(t)});
        }
        drawPath(c, arc, 1.0, mix(hex(0xc09840), hex(0xfff0a8), rng.unit()), 0.6);
    }
    return c;
}

Canvas haySide() {
    const int n = 128;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal tone(n, n, 2, 8, 3, 81);
    paint(c, [&](int x, int y) { return mix(hex(0xb08a3c), hex(0xe4c878), tone.at(x, y)); });
    Rng rng(82);
    scatterStrokes(c, rng, {900, 10, 36, 0, 0.18, 1.3, hex(0x8a6424), hex(0xfff0a0), 0.75});
    shadeBy(c, TileFractal(n, n, 2, 16, 2, 83), 0.3);
    return c;
}

// Broken faces of a stone: random points on the wrapping picture; each pixel belongs to the
// nearest one (its face), and `edge` is how close it lies to the next face (0 on the border).
struct Facets {
    std::vector<Point> sites;
    std::vector<double> tone; // each face a little lighter or darker
    int size;

    Facets(int size, int count, Rng &rng) : size(size) {
        for (int i = 0; i < count; ++i) {
            double x = rng.range(0, size), y = rng.range(0, size), t = rng.range(-1, 1);
            sites.push_back({x, y});
            tone.push_back(t);
        }
    }
    // The face at (x, y) and the distance in pixels to its border with the next face.
    int at(double x, double y, double *edge) const {
        double best = 1e9, second = 1e9;
        int face = 0;
        for (size_t i = 0; i < sites.size(); ++i) {
            double dx = std::fabs(x - sites[i].x), dy = std::fabs(y - sites[i].y);
            dx = std::min(dx, size - dx); // across the edges: the picture wraps
            dy = std::min(dy, size - dy);
            double d = std::hypot(dx, dy);
            if (d < best) {
                second = best;
                best = d;
                face = static_cast<int>(i);
            } else if (d < second) {
                second = d;
            }
        }
        *edge = (second - best) / 2;
        return face;
    }
};

// A hairline crack: a wandering, forking line, dark in the gap with a lit lip below it.
void crack(Canvas &c, Point from, double angle, double length, double width, Colour dark, Rng &rng,
           int forks) {
    std::vector<Point> path{from};
    Point p = from;
    for (double run = 0; run < length; run += 3) {
        angle += rng.range(-0.45, 0.45);
        p = {p.x + 3 * std::cos(angle), p.y + 3 * std::sin(angle)};
        path.push_back(p);
        if (forks > 0 && rng.unit() < 0.06) {
            double side = rng.unit() < 0.5 ? -0.8 : 0.8, rest = (length - run) * 0.5;
            crack(c, p, angle + side, rest, width * 0.7, dark, rng, forks - 1);
        }
    }
    std::vector<Point> lip;
    for (const Point &q : path)
        lip.push_back({q.x + 0.8, q.y + 0.9});
    drawPath(c, lip, width, hex(0xffffff), 0.15);
    drawPath(c, path, width, dark, 0.55);
}

Canvas rock(Colour dark, Colour light, std::uint64_t seed, bool moss) {
    const int n = 128;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal body(n, 4, 5, seed);
    TileFractal relief(n, 8, 4, seed + 1);
    TileFractal lichen(n, 6, 4, seed + 2);
    TileFractal grain(n, 64, 1, seed + 4);
    Rng rng(seed + 3);
    Facets faces(n, 9, rng);
    paint(c, [&](int x, int y) {
        double edge;
        int face = faces.at(x + 0.5, y + 0.5, &edge);
        Colour s = mix(dark, light, body.at(x, y));
        s = scale(s, 1 + 0.09 * faces.tone[static_cast<size_t>(face)]);
        // light from the upper left on a rough surface
        double slope = relief.at(x - 1, y - 1) - relief.at(x + 1, y + 1);
        s = scale(s, 1 + 2.2 * slope);
        // the worn ridge where two faces meet: lit on one side, shadowed on the other
        double ridge = smoothstep(2.5, 0.0, edge);
        s = scale(s, 1 + 0.12 * ridge * (faces.tone[static_cast<size_t>(face)] > 0 ? 1 : -1));
        s = scale(s, 0.9 + 0.2 * grain.at(x, y)); // fine crystals
        if (moss) { // crusts of lichen, grey-green, thin at their ragged edges
            double crust = lichen.at(x, y) + 0.25 * (grain.at(x, y) - 0.5);
            double m = smoothstep(0.58, 0.7, crust);
            Colour growth = mix(hex(0x6e7e4a), hex(0xa8b47a), grain.at(x + 7, y + 3));
            s = mix(s, scale(growth, 0.85 + 0.3 * relief.at(x, y)), 0.75 * m);
        }
        return s;
    });
    for (int i = 0; i < 700; ++i) { // mineral grains: pale ones, dark flecks, a little rust
        double pick = rng.unit(), size = rng.range(0.3, 0.9), alpha = rng.range(0.2, 0.6);
        double x = rng.range(0, n), y = rng.range(0, n), angle = rng.range(0, M_PI);
        Colour speck = pick < 0.25   ? scale(dark, 0.6)
                       : pick < 0.92 ? mix(light, hex(0xf4f0e8), rng.unit())
                                     : mix(light, hex(0xb87a50), 0.5);
        fillEllipse(c, {x, y}, size * 1.4, size, speck, alpha, angle);
    }
    int cracks = 2 + rng.below(2);
    for (int i = 0; i < cracks; ++i) {
        double x = rng.range(0, n), y = rng.range(0, n), angle = rng.range(0, 2 * M_PI);
        double length = rng.range(40, 90);
        crack(c, {x, y}, angle, length, 1.0, scale(dark, 0.45), rng, 2);
    }
    return c;
}

// A pill's label: a coloured band with white motifs, wrapped once round the capsule.
Canvas pillLabel(Colour band, Colour stripe, const std::function<void(Canvas &, Point)> &motif) {
    const int n = 128;
    Canvas c(n, n, band);
    c.wrap = true;
    fillPolygon(c, {{0, 0}, {n, 0}, {n, 14}, {0, 14}}, stripe);
    fillPolygon(c, {{0, n - 14}, {n, n - 14}, {n, n}, {0, n}}, stripe);
    motif(c, {n * 0.25, n * 0.5});
    motif(c, {n * 0.75, n * 0.5});
    return c;
}

void upArrow(Canvas &c, Point p) {
    fillPolygon(c,
                {{p.x, p.y - 40},
                 {p.x + 24, p.y - 8},
                 {p.x + 10, p.y - 8},
                 {p.x + 10, p.y + 38},
                 {p.x - 10, p.y + 38},
                 {p.x - 10, p.y - 8},
                 {p.x - 24, p.y - 8}},
                hex(0xffffff));
}

void cowHead(Canvas &c, Point p) {
    Colour white = hex(0xffffff);
    fillEllipse(c, {p.x - 17, p.y - 20}, 9, 4, hex(0xf0e0a0), 1, -0.5); // horns
    fillEllipse(c, {p.x + 17, p.y - 20}, 9, 4, hex(0xf0e0a0), 1, 0.5);
    fillEllipse(c, {p.x - 22, p.y - 8}, 10, 5, white, 1, 0.3); // ears
    fillEllipse(c, {p.x + 22, p.y - 8}, 10, 5, white, 1, -0.3);
    fillEllipse(c, {p.x, p.y}, 16, 22, white);
    fillEllipse(c, {p.x, p.y + 16}, 14, 10, hex(0xf4b0c0)); // muzzle
    fillEllipse(c, {p.x - 5, p.y + 17}, 2.5, 3, hex(0x603040));
    fillEllipse(c, {p.x + 5, p.y + 17}, 2.5, 3, hex(0x603040));
    fillEllipse(c, {p.x - 7, p.y - 6}, 3, 3.5, hex(0x202020));
    fillEllipse(c, {p.x + 7, p.y - 6}, 3, 3.5, hex(0x202020));
}

void snail(Canvas &c, Point p) {
    // Body: a long foot with a raised head and two eye stalks.
    std::vector<Point> foot = {{p.x - 30, p.y + 20}, {p.x + 22, p.y + 20}, {p.x + 30, p.y + 12},
                               {p.x + 30, p.y - 2},  {p.x + 22, p.y - 4},  {p.x + 18, p.y + 10},
                               {p.x - 26, p.y + 12}};
    fillPolygon(c, foot, hex(0xd8c890));
    drawLine(c, {p.x + 24, p.y - 2}, {p.x + 22, p.y - 18}, 2.5, hex(0xd8c890));
    drawLine(c, {p.x + 28, p.y - 1}, {p.x + 32, p.y - 16}, 2.5, hex(0xd8c890));
    fillEllipse(c, {p.x + 22, p.y - 19}, 2.5, 2.5, hex(0x302010));
    fillEllipse(c, {p.x + 32, p.y - 17}, 2.5, 2.5, hex(0x302010));
    // Shell: a disc with a dark spiral line.
    Point shell{p.x - 4, p.y - 2};
    fillEllipse(c, shell, 20, 20, hex(0xc07028));
    std::vector<Point> spiral;
    for (int i = 0; i <= 80; ++i) {
        double t = i / 80.0 * 2.6 * 2 * M_PI;
        double r = 2 + 16 * i / 80.0;
        spiral.push_back({shell.x + r * std::cos(t), shell.y + r * std::sin(t)});
    }
    drawPath(c, spiral, 3, hex(0x5a2c0c));
}

Canvas siloMetal() {
    const int n = 256, ridges = 16, panels = 4;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal stain(n, n, 8, 2, 3, 91);
    paint(c, [&](int x, int y) {
        double ridge = std::sin(2 * M_PI * ridges * (x + 0.5) / n);
        double light = 0.72 + 0.18 * ridge + 0.1 * std::pow(std::max(0.0, ridge), 8);
        Colour metal = scale(hex(0xd4d8dc), light);
        return mix(metal, hex(0x9a6a40), 0.45 * smoothstep(0.6, 0.8, stain.at(x, y)));
    });
    for (int k = 0; k < panels; ++k) {     // panel seams with a row of rivets
        double y = (k + 0.5) * n / panels; // away from the picture's edge
        fillPolygon(c, {{0, y - 2}, {n, y - 2}, {n, y + 1}, {0, y + 1}}, hex(0x6c7074));
        fillPolygon(c, {{0, y + 1}, {n, y + 1}, {n, y + 2}, {0, y + 2}}, hex(0xf0f2f4));
        for (int i = 0; i < ridges * 2; ++i) {
            Point r{(i + 0.5) * n / (ridges * 2.0), y + 6};
            fillEllipse(c, {r.x + 0.6, r.y + 0.6}, 1.6, 1.6, hex(0x505458));
            fillEllipse(c, r, 1.4, 1.4, hex(0xe8eaec));
        }
    }
    return c;
}

Canvas siloTop() {
    const int n = 128, panels = 12;
    Canvas c(n, n);
    TileFractal stain(n, 8, 3, 101);
    paint(c, [&](int x, int y) {
        double dx = x + 0.5 - n / 2.0, dy = y + 0.5 - n / 2.0;
        double theta = std::atan2(dy, dx), r = std::hypot(dx, dy);
        double sector = std::fmod(theta / (2 * M_PI) * panels + panels, 1.0);
        double light = 0.7 + 0.25 * std::sin(M_PI * sector);
        light *= 1 - 0.9 * smoothstep(0.02, 0.0, std::min(sector, 1 - sector)); // seams
        Colour metal = scale(hex(0xc8ccd0), light * (0.85 + 0.3 * stain.at(x, y)));
        return r < 10 ? hex(0x707478) : metal; // the vent cap
    });
    for (int ring = 1; ring <= 3; ++ring)
        for (int i = 0; i < panels * ring; ++i) {
            double t = 2 * M_PI * (i + 0.5) / (panels * ring), r = ring * 18.0;
            fillEllipse(c, {n / 2.0 + r * std::cos(t), n / 2.0 + r * std::sin(t)}, 1.4, 1.4,
                        hex(0x4a4e52));
        }
    return c;
}

Canvas barnPlanks() {
    const int n = 256, boards = 8, boardWidth = n / boards;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal grain(n, n, 32, 2, 3, 111);
    Rng rng(112);
    double tone[boards];
    for (double &t : tone)
        t = rng.range(0.82, 1.0);
    paint(c, [&](int x, int y) {
        int board = x / boardWidth;
        double g = grain.at(x, y);
        double wood = tone[board] * (0.8 + 0.25 * g);
        int inBoard = x % boardWidth;
        if (inBoard < 2)
            wood *= 0.35; // the gap between boards
        else if (inBoard == 2)
            wood *= 1.12; // the lit edge of the next board
        return scale(hex(0xf2ece4), wood);
    });
    for (int b = 0; b < boards; ++b) {
        for (double y : {18.0, n / 2.0 + 18, n - 18.0}) { // nail heads along the battens
            Point p{b * boardWidth + boardWidth / 2.0, y};
            fillEllipse(c, {p.x + 0.7, p.y + 0.7}, 2, 2, hex(0x302820));
            fillEllipse(c, p, 1.7, 1.7, hex(0x8a8480));
        }
        if (rng.unit() < 0.5) { // a knot
            Point k{b * boardWidth + rng.range(9, boardWidth - 9), rng.range(30, n - 30)};
            fillEllipse(c, k, 4, 7, hex(0x8a7a6a));
            fillEllipse(c, k, 2, 4, hex(0x5a4a3a));
        }
    }
    return c;
}

// A hide: patches of a second colour where noise passes a threshold, over fine hair.
struct HideLook {
    int size, cells, octaves; // the patch noise
    std::uint64_t seed;
    double threshold; // noise level where the patches begin
    Colour ground, patch;
    double hairDepth; // how much the hair darkens and lightens
};

Canvas hide(const HideLook &look) {
    const int n = look.size;
    Canvas c(n, n);
    TileFractal patches(n, look.cells, look.octaves, look.seed);
    TileFractal hair(n, n, n / 4, 4, 2, look.seed + 1);
    paint(c, [&](int x, int y) {
        double s = smoothstep(look.threshold, look.threshold + 0.025, patches.at(x, y));
        Colour coat = mix(look.ground, look.patch, s);
        return scale(coat, 1 - look.hairDepth / 2 + look.hairDepth * hair.at(x, y));
    });
    return c;
}

Canvas plainWhite(bool hair) {
    const int n = 64;
    Canvas c(n, n, hex(0xffffff));
    if (hair) {
        TileFractal strands(n, n, 16, 4, 2, 131);
        paint(c,
              [&](int x, int y) { return scale(hex(0xfaf8f2), 0.93 + 0.08 * strands.at(x, y)); });
    }
    return c;
}

// Horn: pale keratin at the base (bottom row) darkening in streaks to the tip (top row),
// with the growth rings of the years near the base and fine fibres along its length.
Canvas horn() {
    const int n = 64;
    Canvas c(n, n);
    c.wrap = true;
    TileFractal fibres(n, n, 16, 2, 3, 141); // long streaks up the horn
    TileFractal mottle(n, 4, 3, 142);
    TileFractal wobble(n, 6, 2, 143);
    Rng rng(144);
    // growth rings: closer together towards the base, each a groove with a lit ridge above
    std::vector<double> rings;
    for (double at = 0.04; at < 0.6; at += rng.range(0.035, 0.06) * (1 + 1.5 * at))
        rings.push_back(at);
    paint(c, [&](int x, int y) {
        double t = 1 - (y + 0.5) / n; // 0 at the base, 1 at the tip
        double f = fibres.at(x, y);
        // the dark of the tip reaches down further along some fibres than others
        double tip = smoothstep(0.5, 1.0, t + 0.16 * (f - 0.5) + 0.2 * (mottle.at(x, y) - 0.5));
        Colour keratin = mix(hex(0xd8cfb4), hex(0xf1e8cf), smoothstep(0.0, 0.35, t));
        keratin = mix(keratin, hex(0xb8a27a), 0.35 * mottle.at(x, y)); // honey-coloured clouds
        Colour h = mix(keratin, hex(0x3a2e24), tip);
        double groove = 0;
        for (double r : rings) {
            double d = (t - r) * n + 4 * (wobble.at(x, y) - 0.5); // rows from the ring
            groove += std::exp(-d * d / 0.8) - 0.5 * std::exp(-(d - 1.3) * (d - 1.3) / 0.8);
        }
        h = scale(h, 1 - 0.16 * groove * (1 - t));
        return scale(h, 0.93 + 0.14 * f);
    });
    for (int i = 0; i < 10; ++i) { // faint scratches along the grain
        double x = rng.range(0, n), y = rng.range(n * 0.3, n), len = rng.range(4, 10);
        double lean = rng.range(-0.15, 0.15), alpha = rng.range(0.08, 0.18);
        drawLine(c, {x, y}, {x + len * lean, y - len}, 0.5, hex(0x6a5a44), alpha);
    }
    return c;
}

// How one texture of the catalogue is made (the splash picture has its own maker).
struct TextureRecipe {
    TextureTable table;
    int slot;
    std::function<Canvas()> make;
};

const TextureRecipe Recipes[] = {
    {TextureTable::Tiles, TileGrass, grass},
    {TextureTable::Tiles, TileDirt, dirt},
    {TextureTable::Tiles, TileWater, water},
    {TextureTable::Tiles, TileWall, wallBlock},
    {TextureTable::Models, TexTriTree, foliage},
    {TextureTable::Models, TexBark, bark},
    {TextureTable::Models, TexHayRound, hayFace},
    {TextureTable::Models, TexHaySide, haySide},
    {TextureTable::Models, TexRock1, [] { return rock(hex(0x5e5246), hex(0xb0a290), 161, false); }},
    {TextureTable::Models, TexRock2, [] { return rock(hex(0x56585c), hex(0xb4b4b0), 171, false); }},
    {TextureTable::Models, TexRock3, [] { return rock(hex(0x4c5258), hex(0xa0a8ac), 181, true); }},
    {TextureTable::Models, TexBigPill,
     [] { return pillLabel(hex(0xd8301c), hex(0xf8c830), upArrow); }},
    {TextureTable::Models, TexHeadPill,
     [] { return pillLabel(hex(0x6a3cb0), hex(0x40c0e0), cowHead); }},
    {TextureTable::Models, TexSnail, [] { return pillLabel(hex(0x7cc45c), hex(0x2e7a3a), snail); }},
    {TextureTable::Models, TexSilo, siloMetal},
    {TextureTable::Models, TexSiloTop, siloTop},
    {TextureTable::Models, TexBlank, [] { return plainWhite(false); }},
    {TextureTable::Models, TexBarn, barnPlanks},
    {TextureTable::Models, TexCowSpots,
     [] {
         return hide({256, 4, 3, 121, 0.54, hex(0xf6f3ec), hex(0x161412), 0.06});
     }},
    {TextureTable::Models, TexWhite, [] { return plainWhite(true); }},
    {TextureTable::Models, TexHorns, horn},
    {TextureTable::Models, TexCowHide,
     [] {
         return hide({128, 3, 4, 151, 0.59, hex(0x8a4a22), hex(0xf4efe6), 0.2});
     }},
};

const TextureRecipe *recipeOf(const TextureEntry &entry) {
    for (const TextureRecipe &recipe : Recipes)
        if (recipe.table == entry.table && recipe.slot == entry.slot)
            return &recipe;
    return nullptr;
}

} // namespace

bool makeTextures(const std::string &dataDir) {
    for (const TextureEntry &entry : TextureCatalogue) {
        if (entry.table == TextureTable::Splash)
            continue; // makeSplash draws it
        const TextureRecipe *recipe = recipeOf(entry);
        std::string path = dataDir + "/" + entry.file;
        if (!recipe) {
            std::fprintf(stderr, "no recipe for %s\n", entry.file);
            return false;
        }
        if (!writeBmp(recipe->make(), path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
