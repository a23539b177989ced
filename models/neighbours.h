// neighbours.h: how fences and gates join the objects around them. Pure functions over the
// object grid (no GL), used by the fence and gate models and checked without pixels.
#pragma once

// True when (column, row) lies inside the map and holds an object of map character `kind`.
bool cellHolds(int column, int row, char kind);
// True when (column, row) lies inside the map and holds an object of any other character.
bool cellHoldsOther(int column, int row, char kind);

// The panels a fence of map character `kind` ('#' or 'F') at (column, row) draws.
struct FencePanels {
    bool alongY; // one panel turned 90 degrees to run along y (a neighbour above or below)
    int alongX;  // unturned panels running along x: 0, 1 or 2 (the same panel twice)
};
FencePanels fencePanels(int column, int row, char kind);

// A 2D placement in the plane of a cell, about the cell centre (cells): p' = M p + t.
struct Placement2D {
    double xx, xy, yx, yy; // M = [[xx, xy], [yx, yy]]
    double tx, ty;         // translation
};
// Where the leaf of a gate of map character `kind` at (column, row) lies: its local x axis
// (0 at the hinge, 1 at the free end) in cell-centre coordinates. The leaf turns toward the
// neighbouring gates of its kind; `open` swings it 90 degrees about its hinge.
Placement2D gateLeafPlacement(int column, int row, char kind, bool open);
// Apply a placement to the point (x, y).
void applyPlacement(const Placement2D &placement, double x, double y, double *outX, double *outY);
