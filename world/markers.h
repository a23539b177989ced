// markers.h: the cells where the silo, the barn and the ring marker put their invisible solid
// markers, and the one placement rule that both the map loader's checks (on a plan of kinds,
// before anything reaches the grids) and the placement handlers (on the real grids) follow.
#pragma once

struct CellOffset {
    int dc, dr; // column and row offsets
};

constexpr char SiloKind = 'I';        // object character of the silo
constexpr char BarnKind = 'B';        // object character of the barn
constexpr char RingMarkerKind = 'x';  // object character of the ring marker
constexpr char SolidMarkerKind = 's'; // object character of the markers placed
constexpr int SiloMarginCells = 2;    // cells a silo needs on every side
constexpr int BarnMarginColumns = 4;  // columns a barn needs left and right
constexpr int BarnMarginRows = 3;     // rows a barn needs above and below

// Silo markers relative to the silo's cell, in placement order.
constexpr CellOffset SiloMarkerCells[16] = {{2, -1}, {2, 0},  {2, 1},   {-2, -1}, {-2, 0}, {-2, 1},
                                            {-1, 2}, {0, 2},  {1, 2},   {-1, -2}, {0, -2}, {1, -2},
                                            {1, 1},  {-1, 1}, {-1, -1}, {1, -1}};

// Barn markers relative to the barn's cell, in placement order.
constexpr CellOffset BarnMarkerCells[22] = {
    {-4, -3}, {-3, -3}, {-2, -3}, {-1, -3}, {0, -3}, {1, -3}, {2, -3}, {3, -3},
    {4, -3},  {-4, 3},  {-3, 3},  {-2, 3},  {-1, 3}, {0, 3},  {1, 3},  {2, 3},
    {3, 3},   {4, 3},   {4, -2},  {-4, -2}, {4, 2},  {-4, 2}};

// The four cells a ring marker fills, two cells away, in placement order.
constexpr CellOffset RingMarkerCells[4] = {{0, 2}, {0, -2}, {2, 0}, {-2, 0}};

// Run the placement of an object of `kind` at (column, row) on a map of `columns` x `rows`
// cells. `kindAt(c, r)` gives the object kind now at a cell of the map (0 when empty);
// `mark(c, r)` puts a solid marker there, replacing what stands there. The silo and the barn
// hand every one of their cells to `mark`, inside the map or not (the loader refuses a map
// where one would fall outside); the ring marker skips cells outside the map and cells that
// already hold a ring marker. Other kinds place nothing.
template <class KindAt, class Mark>
void placeMarkersOf(char kind, int column, int row, int columns, int rows, KindAt kindAt,
                    Mark mark) {
    if (kind == SiloKind) {
        for (const CellOffset &cell : SiloMarkerCells)
            mark(column + cell.dc, row + cell.dr);
    } else if (kind == BarnKind) {
        for (const CellOffset &cell : BarnMarkerCells)
            mark(column + cell.dc, row + cell.dr);
    } else if (kind == RingMarkerKind) {
        for (const CellOffset &cell : RingMarkerCells) {
            int c = column + cell.dc, r = row + cell.dr;
            if (c < 0 || r < 0 || c >= columns || r >= rows)
                continue;
            if (kindAt(c, r) != RingMarkerKind)
                mark(c, r);
        }
    }
}
