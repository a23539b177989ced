// draw_passes.h: the world drawing passes: terrain, objects, home beacons, overhead map, splash.
#pragma once

struct Cow;
struct Tile;
struct WorldObject;

// --- Process-wide item angles in degrees, advanced once per object pass drawn ---
extern float spinAngle;     // hay bales
extern float itemSpinAngle; // pills and syringes
void advanceSpinAngles();   // the frame code, after each object pass

// The cells drawn around a cow: rows [rowBegin, rowEnd), columns [columnBegin, columnEnd).
struct VisibleWindow {
    int rowBegin, rowEnd, columnBegin, columnEnd;
};
VisibleWindow visibleWindow(const Cow *cow);

// How a tile's skirts fall: its top height and, per side, whether that neighbour inside the
// map is lower and the spread (the tile's height when lower, else 0) that widens the skirts
// of the two adjacent sides so that they meet at the corners.
struct TileSkirts {
    float height;                                      // surface height of the tile
    bool lowerWest, lowerEast, lowerSouth, lowerNorth; // column-1, column+1, row-1, row+1
    float west, east, south, north;                    // spreads, world units
};
TileSkirts tileSkirts(int column, int row); // all zero outside the grids

// A flat colour of the overhead map, channels 0..1.
struct OverheadColour {
    float r, g, b;
};
// The overhead-map colour of a cell: the colour rules applied in order to its tile and object
// (either may be null); a cell no rule matches keeps `previous`, the colour of the cell before.
OverheadColour overheadColour(const Tile *tile, const WorldObject *object, OverheadColour previous);

// The order of the rows of a pass: smaller rows first, or larger rows (the ones nearer the
// default camera) first.
enum class RowOrder { Ascending, Descending };
// Call `drawCell` for every cell of the cow's visible window, rows outermost, with texturing
// on and the colour white; the modelview matrix is saved around the whole pass.
void drawVisibleCells(const Cow *cow, RowOrder order, void (*drawCell)(int column, int row));

// Benchmark switch: draw as the passes did before they were made cheap (for comparing).
extern bool legacyPasses;
// Skirts end where they meet the ground they fall onto (true, the game's way); false draws
// them down to the ground plane (the frame benchmark's comparison).
extern bool cutSkirts;
// Opaque objects go before the ground (true, the game's way); false draws them all after it.
extern bool objectsFirst;

// The view volume of the current projection and modelview matrices, as planes in the
// coordinates the modelview matrix takes in.
struct ViewFrustum {
    double planes[6][4]; // a x + b y + c z + d >= 0 inside; (a, b, c) of length 1
};
ViewFrustum currentViewFrustum();
// False only when the box [lowest, highest] lies wholly outside the view volume.
bool boxInView(const ViewFrustum &view, const float (&lowest)[3], const float (&highest)[3]);

void drawTerrainPass(const Cow *cow); // tiles with their skirts around the cow
// Opaque objects first, nearest first, so that the ground they hide is not textured: those the
// object pass would draw before the first barn in view (its roof blends over what is drawn
// before it). Then the terrain pass, then drawObjectPass draws the rest.
void drawObjectsBeforeGround(const Cow *cow);
void drawObjectPass(const Cow *cow); // objects around the cow (those not drawn before the ground)
void drawHomeBeacons(double height); // a beacon `height` tall on each cow's home cell
void drawOverheadMap();              // the flat coloured plan (title, controls screen)
void drawSplashImage();              // the splash picture filling the viewport
