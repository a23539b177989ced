// placement.cpp: the placement handlers that run once per object after the map is read:
// the invisible solid markers around the silo, the outline of the barn and the ring walls.
#include "rules/handlers.h"
#include "world/grids.h"
#include "world/markers.h"

namespace {

// The object kind at a cell of the map, 0 when the cell is empty.
char objectKindAt(int column, int row) {
    const WorldObject *object = objectAt(column, row);
    return object ? object->kind : 0;
}

// Put a solid marker on (column, row), replacing what stood there. A cell outside the map or
// without a tile is left alone (the loader never lets such a map through).
void putSolidMarker(int column, int row) {
    if (column < 0 || row < 0 || column >= mapColumns || row >= mapRows || !tileAt(column, row))
        return;
    delete ObjectGrid[column][row];
    ObjectGrid[column][row] = createObject(SolidMarkerKind, column, row);
}

// Run the shared placement rule of `kind` on the real grids.
void placeOnGrids(char kind, int column, int row) {
    placeMarkersOf(kind, column, row, mapColumns, mapRows, objectKindAt, putSolidMarker);
}

} // namespace

void placeSiloMarkers(int column, int row) {
    placeOnGrids(SiloKind, column, row);
}

void placeBarnMarkers(int column, int row) {
    placeOnGrids(BarnKind, column, row);
}

void placeRingMarkers(int column, int row) {
    placeOnGrids(RingMarkerKind, column, row);
}
