// neighbours.cpp: fence panel choice and gate turns from the neighbouring cells.
#include "models/neighbours.h"
#include "world/grids.h"

namespace {

// The object on (column, row) when the cell lies inside the map; map edges count as empty.
const WorldObject *objectInMap(int column, int row) {
    if (column < 0 || row < 0 || column >= mapColumns || row >= mapRows)
        return nullptr;
    return objectAt(column, row);
}

// a then b: the placement that applies b first, then a (as GL composes matrices).
Placement2D compose(const Placement2D &a, const Placement2D &b) {
    return {a.xx * b.xx + a.xy * b.yx,        a.xx * b.xy + a.xy * b.yy,
            a.yx * b.xx + a.yy * b.yx,        a.yx * b.xy + a.yy * b.yy,
            a.xx * b.tx + a.xy * b.ty + a.tx, a.yx * b.tx + a.yy * b.ty + a.ty};
}

constexpr Placement2D Identity = {1, 0, 0, 1, 0, 0};
constexpr Placement2D MirrorY = {1, 0, 0, -1, 0, 0};         // scale (1, -1, 1)
constexpr Placement2D TurnHalf = {-1, 0, 0, -1, 0, 0};       // rotate 180 about +z
constexpr Placement2D TurnQuarter = {0, -1, 1, 0, 0, 0};     // rotate 90 about +z
constexpr Placement2D TurnBackQuarter = {0, 1, -1, 0, 0, 0}; // rotate -90 about +z

Placement2D translation(double x, double y) {
    return {1, 0, 0, 1, x, y};
}

} // namespace

bool cellHolds(int column, int row, char kind) {
    const WorldObject *object = objectInMap(column, row);
    return object && object->kind == kind;
}

bool cellHoldsOther(int column, int row, char kind) {
    const WorldObject *object = objectInMap(column, row);
    return object && object->kind != kind;
}

FencePanels fencePanels(int column, int row, char kind) {
    FencePanels panels = {false, 0};
    if (cellHolds(column, row - 1, kind) || cellHolds(column, row + 1, kind))
        panels.alongY = true;
    else if (cellHoldsOther(column + 1, row, kind) || cellHoldsOther(column - 1, row, kind))
        panels.alongX++;
    if (cellHolds(column + 1, row, kind) || cellHolds(column - 1, row, kind))
        panels.alongX++;
    return panels;
}

Placement2D gateLeafPlacement(int column, int row, char kind, bool open) {
    // every neighbour test that holds adds its turn, in this order
    Placement2D placement = Identity;
    if (cellHolds(column + 1, row, kind))
        placement = compose(placement, MirrorY);
    if (cellHolds(column - 1, row, kind))
        placement = compose(placement, TurnHalf);
    if (cellHolds(column, row + 1, kind))
        placement = compose(compose(placement, TurnQuarter), MirrorY);
    if (cellHolds(column, row - 1, kind))
        placement = compose(placement, TurnBackQuarter);
    // open: swung about the hinge; closed: across the cell centre
    if (open)
        return compose(compose(placement, TurnQuarter), translation(0, 0.5));
    return compose(placement, translation(-0.5, 0));
}

void applyPlacement(const Placement2D &placement, double x, double y, double *outX, double *outY) {
    *outX = placement.xx * x + placement.xy * y + placement.tx;
    *outY = placement.yx * x + placement.yy * y + placement.ty;
}
