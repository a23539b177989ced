// markers.h: the cells where the silo and the barn put their invisible solid markers,
// relative to the silo's or barn's own cell, in placement order. The map loader checks them
// before a map is accepted; the placement handlers put the markers there.
#pragma once

struct CellOffset {
    int dc, dr; // column and row offsets
};

constexpr CellOffset SiloMarkerCells[16] = {
    {2, -1}, {2, 0},  {2, 1},  {-2, -1}, {-2, 0}, {-2, 1},  {-1, 2}, {0, 2},
    {1, 2},  {-1, -2}, {0, -2}, {1, -2},  {1, 1},  {-1, 1},  {-1, -1}, {1, -1}};

constexpr CellOffset BarnMarkerCells[22] = {
    {-4, -3}, {-3, -3}, {-2, -3}, {-1, -3}, {0, -3}, {1, -3}, {2, -3}, {3, -3}, {4, -3},
    {-4, 3},  {-3, 3},  {-2, 3},  {-1, 3},  {0, 3},  {1, 3},  {2, 3},  {3, 3},  {4, 3},
    {4, -2},  {-4, -2}, {4, 2},   {-4, 2}};

// The four cells a ring marker fills, two cells away, in placement order.
constexpr CellOffset RingMarkerCells[4] = {{0, 2}, {0, -2}, {2, 0}, {-2, 0}};
