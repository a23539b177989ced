// draw_passes.h: the world drawing passes: terrain, objects, home beacons, overhead map, splash.
#pragma once

struct Cow;

// --- Process-wide item angles in degrees, advanced by the object pass ---
extern float spinAngle;     // hay bales
extern float itemSpinAngle; // pills and syringes

// The cells drawn around a cow: rows [rowBegin, rowEnd), columns [columnBegin, columnEnd).
struct VisibleWindow {
    int rowBegin, rowEnd, columnBegin, columnEnd;
};
VisibleWindow visibleWindow(const Cow *cow);

void drawTerrainPass(const Cow *cow); // tiles with their skirts around the cow
void drawObjectPass(const Cow *cow);  // objects around the cow; advances the spin angles
void drawHomeBeacons();               // a beacon on each cow's home cell
void drawOverheadMap();               // the flat coloured plan (title, controls screen)
void drawSplashImage();               // the splash picture filling the viewport
