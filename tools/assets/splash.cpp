// splash.cpp: the title picture: a farm at morning with the two cows, the game's name and
// the key that starts it.
#include "assets.h"
#include "images/texture_list.h"

#include <cmath>
#include <cstdio>

#include "canvas.h"
#include "text.h"

namespace {

const int Width = 800, Height = 600; // pixels
const double Horizon = 372;          // pixels from the top

const Colour Outline = hex(0x2a1e16);

void sky(Canvas &c) {
    for (int y = 0; y < Height; ++y) {
        Colour row = mix(hex(0x4f9fe6), hex(0xd4ecfa), std::pow(std::min(1.0, y / Horizon), 1.4));
        for (int x = 0; x < Width; ++x)
            c.set(x, y, row);
    }
    Point sun{700, 96};
    for (int i = 6; i >= 1; --i)
        fillEllipse(c, sun, 46 + i * 14, 46 + i * 14, hex(0xfff6c8), 0.09);
    fillEllipse(c, sun, 46, 46, hex(0xfff2a0));
    Rng rng(301);
    const Point clouds[] = {{120, 70}, {360, 200}, {560, 150}, {760, 230}};
    for (Point cloud : clouds) {
        for (int i = 0; i < 9; ++i) {
            Point p{cloud.x + rng.range(-55, 55), cloud.y + rng.range(-8, 8)};
            double r = rng.range(18, 32);
            fillEllipse(c, {p.x, p.y + 6}, r * 1.3, r, hex(0xc8d8ea), 0.9);
            fillEllipse(c, p, r * 1.3, r, hex(0xffffff), 0.95);
        }
    }
}

// A band of hills: a ridge line from a sum of waves, shaded from top to bottom colour.
void hills(Canvas &c, double base, double amplitude, double phase, Colour top, Colour bottom) {
    auto ridge = [&](double x) {
        return base + amplitude * (std::sin(x / 130.0 + phase) * 0.6 +
                                   std::sin(x / 57.0 + phase * 2.3) * 0.25);
    };
    fillRegion(
        c, 0, static_cast<int>(base - amplitude), Width, Height,
        [&](double x, double y) { return y >= ridge(x); },
        [&](double, double y) { return mix(top, bottom, (y - base) / (Height - base)); });
}

void meadow(Canvas &c) {
    TileFractal tone(256, 6, 4, 311);
    for (int y = static_cast<int>(Horizon) - 30; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            double t = (y - Horizon + 30) / (Height - Horizon + 30);
            Colour g = mix(hex(0x7dbb48), hex(0x3f8a2a), t);
            c.set(x, y, scale(g, 0.9 + 0.2 * tone.at(x * 0.5, y)));
        }
    Rng rng(312);
    for (int i = 0; i < 2400; ++i) { // blades, longer towards the front
        double y = rng.range(Horizon, Height);
        double len = 2 + 10 * (y - Horizon) / (Height - Horizon);
        Point a{rng.range(0, Width), y};
        Point b{a.x + rng.range(-2, 2), a.y - len};
        drawLine(c, a, b, 1.2, mix(hex(0x2f6e1e), hex(0x9ad060), rng.unit()), 0.6);
    }
    for (int i = 0; i < 90; ++i) { // flowers
        Point p{rng.range(0, Width), rng.range(Horizon + 80, Height)};
        Colour petal = i % 4 ? hex(0xffffff) : hex(0xf6d040);
        fillEllipse(c, p, 3, 2.2, petal);
        fillEllipse(c, p, 1.2, 1.0, hex(0xe8a020));
    }
}

void rect(Canvas &c, double x0, double y0, double x1, double y1, Colour col) {
    fillPolygon(c, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, col);
}

void barn(Canvas &c) {
    const double left = 40, right = 210, wall = 292, ground = 392;
    const double mid = (left + right) / 2;
    Colour red = hex(0xb8362c), darkRed = hex(0x7a2018), trim = hex(0xf4efe6);
    std::vector<Point> roof = {{left - 12, wall},
                               {left + 14, wall - 46},
                               {mid, wall - 72},
                               {right - 14, wall - 46},
                               {right + 12, wall}};
    fillPolygon(c, roof, hex(0x4a2a24));
    drawPath(c,
             {{left - 12, wall},
              {left + 14, wall - 46},
              {mid, wall - 72},
              {right - 14, wall - 46},
              {right + 12, wall}},
             5, trim);
    rect(c, left, wall, right, ground, red);
    for (double x = left + 10; x < right; x += 10) // planks
        rect(c, x, wall, x + 1.2, ground, darkRed);
    rect(c, left, wall, right, wall + 4, trim);
    // The big door with its white frame and cross brace.
    double d0 = mid - 34, d1 = mid + 34, dTop = wall + 30;
    rect(c, d0 - 4, dTop - 4, d1 + 4, ground, trim);
    rect(c, d0, dTop, d1, ground, darkRed);
    drawLine(c, {d0, dTop}, {d1, ground}, 5, trim);
    drawLine(c, {d1, dTop}, {d0, ground}, 5, trim);
    // The loft door.
    rect(c, mid - 17, wall - 50, mid + 17, wall - 16, trim);
    rect(c, mid - 13, wall - 46, mid + 13, wall - 20, hex(0x3a1a14));
}

void silo(Canvas &c) {
    const double x0 = 222, x1 = 266, top = 236, ground = 394;
    fillRegion(
        c, static_cast<int>(x0), static_cast<int>(top), static_cast<int>(x1),
        static_cast<int>(ground),
        [&](double x, double y) { return x >= x0 && x <= x1 && y >= top && y <= ground; },
        [&](double x, double) {
            double t = (x - x0) / (x1 - x0);
            return scale(hex(0xc4ccd4), 0.6 + 0.5 * std::sin(M_PI * (0.15 + 0.7 * t)));
        });
    for (double y = top + 22; y < ground; y += 22)
        rect(c, x0, y, x1, y + 1.5, hex(0x7a8288));
    fillEllipse(c, {(x0 + x1) / 2, top}, (x1 - x0) / 2, 16, hex(0x8a949c));
    fillEllipse(c, {(x0 + x1) / 2 - 6, top - 6}, 9, 5, hex(0xd8dee4), 0.8);
}

void tree(Canvas &c, Point base, double size) {
    rect(c, base.x - size * 0.12, base.y - size * 1.1, base.x + size * 0.12, base.y, hex(0x5a3a22));
    Rng rng(static_cast<std::uint64_t>(base.x * 31 + base.y));
    const Point blobs[] = {{0, -1.5}, {-0.45, -1.2}, {0.45, -1.2}, {-0.25, -1.85}, {0.3, -1.8}};
    for (Point b : blobs)
        fillEllipse(c, {base.x + b.x * size, base.y + b.y * size + 6}, size * 0.5, size * 0.42,
                    hex(0x2a5a1c));
    for (Point b : blobs)
        fillEllipse(c, {base.x + b.x * size, base.y + b.y * size}, size * 0.48, size * 0.4,
                    mix(hex(0x3c7a26), hex(0x5a9e34), rng.unit()));
    for (int i = 0; i < 14; ++i)
        fillEllipse(c, {base.x + rng.range(-0.6, 0.5) * size, base.y - rng.range(1.2, 2.1) * size},
                    size * 0.1, size * 0.08, hex(0x8cc454), 0.8);
}

void fence(Canvas &c) {
    Colour wood = hex(0x9a6a3e), dark = hex(0x5e3e22);
    const double top = 408, bottom = 462;
    for (double y : {418.0, 440.0}) {
        rect(c, 0, y + 2, Width, y + 10, dark);
        rect(c, 0, y, Width, y + 8, wood);
    }
    for (double x = 18; x < Width; x += 74) {
        rect(c, x + 3, top + 3, x + 15, bottom + 2, dark);
        fillPolygon(
            c, {{x, top + 4}, {x + 6, top - 2}, {x + 12, top + 4}, {x + 12, bottom}, {x, bottom}},
            wood);
    }
}

void roundBale(Canvas &c, Point centre, double r) {
    fillEllipse(c, {centre.x + 4, centre.y + r * 0.85}, r * 1.1, r * 0.2, hex(0x2a4a1a), 0.35);
    fillEllipse(c, centre, r + 2, r + 2, hex(0x7a5a20));
    fillEllipse(c, centre, r, r, hex(0xe8c860));
    std::vector<Point> spiral;
    for (int i = 0; i <= 60; ++i) {
        double t = i / 60.0 * 3.5 * 2 * M_PI, rr = r * 0.92 * i / 60.0;
        spiral.push_back({centre.x + rr * std::cos(t), centre.y + rr * std::sin(t)});
    }
    drawPath(c, spiral, 1.6, hex(0xa88430));
}

// One cow, standing side on. `feet` is the ground point under its middle; `dir` is +1 when it
// faces right, -1 when it faces left.
struct CowLook {
    bool spotted;
    Colour collar, bell;
};

void cow(Canvas &c, Point feet, double s, int dir, const CowLook &look) {
    auto at = [&](double lx, double ly) { return Point{feet.x + dir * lx * s, feet.y - ly * s}; };
    auto ellipse = [&](double lx, double ly, double rx, double ry, Colour col, double angle = 0) {
        fillEllipse(c, at(lx, ly), rx * s, ry * s, col, 1, -dir * angle);
    };
    auto outlined = [&](double lx, double ly, double rx, double ry, Colour col, double angle = 0) {
        ellipse(lx, ly, rx + 2.2 / s, ry + 2.2 / s, Outline, angle);
        ellipse(lx, ly, rx, ry, col, angle);
    };
    auto polygon = [&](std::vector<Point> local, Colour col) {
        for (Point &p : local)
            p = at(p.x, p.y);
        fillPolygon(c, local, col);
    };
    Colour hide = hex(0xf8f6f0), shade = hex(0xd6d6dc), hoof = hex(0x3a3430);
    Colour pink = hex(0xf2a8b4);
    TileFractal spots(64, 3, 3, look.spotted ? 321 : 322);

    fillEllipse(c, {feet.x, feet.y + 2}, 120 * s, 12 * s, hex(0x1e3e14), 0.3); // shadow

    // Legs: the far pair darker, drawn first.
    auto leg = [&](double lx, Colour col) {
        polygon({{lx - 12, 96}, {lx + 12, 96}, {lx + 10, 12}, {lx - 9, 12}}, Outline);
        polygon({{lx - 10, 94}, {lx + 10, 94}, {lx + 8, 12}, {lx - 7, 12}}, col);
        polygon({{lx - 10, 13}, {lx + 10, 13}, {lx + 11, 0}, {lx - 10, 0}}, hoof);
    };
    leg(80, shade);
    leg(-54, shade);

    // Tail from the rump, hanging down, with a dark tuft.
    std::vector<Point> tail;
    for (int i = 0; i <= 8; ++i) {
        double t = i / 8.0;
        tail.push_back(at(-100 - 14 * std::sin(t * 2.2), 145 - 85 * t));
    }
    drawPath(c, tail, 7 * s, Outline);
    drawPath(c, tail, 4 * s, look.spotted ? hex(0x222020) : hide);
    outlined(-108, 58, 7, 12, hex(0x2a2420));

    // The neck, reaching forward and down from the shoulders; the body covers its root.
    polygon({{40, 152}, {100, 160}, {132, 124}, {100, 84}, {50, 76}}, Outline);
    polygon({{42, 150}, {98, 157}, {129, 124}, {98, 87}, {52, 79}},
            look.spotted ? hex(0x1c1a18) : hide);

    // Body: a rounded box, shaded darker towards the belly, spotted for cow 1.
    const double cx = 0, cy = 112, a = 104, b = 48;
    auto insideBody = [&](double lx, double ly, double grow) {
        double u = std::fabs(lx - cx) / (a + grow), v = std::fabs(ly - cy) / (b + grow);
        return std::pow(u, 2.6) + std::pow(v, 2.6) <= 1;
    };
    auto toLocal = [&](double x, double y) {
        return Point{(x - feet.x) / (dir * s), (feet.y - y) / s};
    };
    Point lo = at(-a - 6, cy + b + 6), hi = at(a + 6, cy - b - 6);
    int bx0 = static_cast<int>(std::min(lo.x, hi.x)), bx1 = static_cast<int>(std::max(lo.x, hi.x));
    int by0 = static_cast<int>(std::min(lo.y, hi.y)), by1 = static_cast<int>(std::max(lo.y, hi.y));
    fillRegion(
        c, bx0, by0, bx1, by1,
        [&](double x, double y) {
            Point p = toLocal(x, y);
            return insideBody(p.x, p.y, 2.4 / s);
        },
        [&](double, double) { return Outline; });
    fillRegion(
        c, bx0, by0, bx1, by1,
        [&](double x, double y) {
            Point p = toLocal(x, y);
            return insideBody(p.x, p.y, 0);
        },
        [&](double x, double y) {
            Point p = toLocal(x, y);
            Colour col = mix(hide, shade, std::pow(std::max(0.0, (cy - p.y) / b), 2));
            if (look.spotted) {
                double n = spots.at(p.x * 0.55 + 20, p.y * 0.55 + 7);
                col = mix(col, hex(0x1c1a18), std::clamp((n - 0.5) * 80, 0.0, 1.0));
            }
            return col;
        });
    leg(58, hide);
    leg(-78, hide);
    outlined(-40, 66, 22, 13, pink); // udder
    for (double tx : {-52.0, -40.0, -28.0})
        polygon({{tx - 3, 58}, {tx + 3, 58}, {tx + 2, 46}, {tx - 2, 46}}, pink);

    // Neck and head, the head tipped down towards the grass.
    outlined(108, 158, 9, 19, hex(0xf0e4c4), 0.5);                        // horn
    outlined(90, 150, 22, 8, look.spotted ? hex(0x1c1a18) : hide, -0.35); // ear
    ellipse(92, 150, 14, 4, pink, -0.35);
    outlined(128, 128, 34, 25, hide, 0.55);
    if (look.spotted)
        ellipse(118, 138, 20, 17, hex(0x1c1a18), 0.3);
    outlined(152, 100, 22, 17, pink, 0.4); // muzzle
    ellipse(162, 102, 4, 6, hex(0x8a4a58), 0.4);
    ellipse(124, 136, 6.5, 7.5, hex(0xffffff));
    ellipse(126, 135, 4.2, 5.2, hex(0x1a1410));
    ellipse(127.5, 137, 1.6, 1.6, hex(0xffffff));
    // Collar and bell.
    polygon({{66, 156}, {77, 158}, {104, 90}, {94, 86}}, look.collar);
    outlined(96, 76, 9, 11, look.bell);
    ellipse(96, 68, 3, 2, Outline);
}

} // namespace

// The splash picture's file in the texture catalogue.
const char *splashFile() {
    for (const TextureEntry &entry : TextureCatalogue)
        if (entry.table == TextureTable::Splash)
            return entry.file;
    return "splashscreen.bmp";
}

bool makeSplash(const std::string &dataDir, const std::string &titleFontPath) {
    Canvas c(Width, Height);
    sky(c);
    hills(c, 318, 22, 0.8, hex(0x8ab4a0), hex(0x9cc494));
    hills(c, 356, 14, 2.1, hex(0x86c052), hex(0x78b448));
    meadow(c);
    tree(c, {712, 396}, 58);
    tree(c, {776, 404}, 40);
    tree(c, {318, 392}, 34);
    barn(c);
    silo(c);
    fence(c);
    roundBale(c, {470, 402}, 19);
    roundBale(c, {506, 406}, 16);
    cow(c, {215, 540}, 0.95, +1, {true, hex(0xc03028), hex(0xf0c830)});
    cow(c, {598, 548}, 0.92, -1, {false, hex(0x8a8ad6), hex(0xb04c4c)});
    roundBale(c, {58, 560}, 34);
    roundBale(c, {752, 566}, 28);

    // The banner behind "Press SPACE".
    fillPolygon(c, {{250, 556}, {550, 556}, {550, 594}, {250, 594}}, hex(0x1a1a1a), 0.45);
    const TextStyle title{112, hex(0xffd64a), hex(0x4a2410), 6, {5, 6}};
    const TextStyle prompt{30, hex(0xffffff), hex(0x1a1a1a), 3, {2, 2}};
    if (!drawText(c, titleFontPath, "Pasturon", {400, 150}, title) ||
        !drawText(c, titleFontPath, "Press SPACE", {400, 586}, prompt))
        return false;
    std::string path = dataDir + "/" + splashFile();
    if (!writeBmp(c, path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
