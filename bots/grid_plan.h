// grid_plan.h: the computer's view of the map as a graph of cells: what a cow can walk into,
// what it can jump over, what water and the rival's gates cost, and the distance fields
// (in ticks) that it plans and steers with. Built from the grids by reading them only.
#pragma once

#include <cstdint>
#include <vector>

struct Cow;

// One of the eight headings, each -1, 0 or +1, not both 0.
struct Heading {
    int dx, dy;
};
// The four straight headings first: only those jump.
constexpr Heading Headings[8] = {{1, 0}, {-1, 0}, {0, 1},  {0, -1},
                                 {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

constexpr int Unreachable = 1 << 29; // distance of a cell no path reaches
constexpr int WalkTicks = 2;         // ticks to cross a dry cell at full speed (0.5 cells a tick)
constexpr int WaterTicks = 4;        // the same in water (half the speed)
constexpr int GateTicks = 30;        // breaking open a gate of the rival (three head-butts)
constexpr int JumpTicks = 9;         // a jump over the cell ahead: the run-up blocked, the arc
constexpr int JumpLength = 2;        // cells from the take-off cell to the landing cell
constexpr int LeapTicks = 16;        // a running jump held all the way: the whole arc at full speed
constexpr int LeapLength = 7;        // cells it carries the cow (over water, say)

// What the cells are for one cow (`mover`). Nothing that stops a cow changes during a round
// but the rival's gates, broken open and shut again.
struct PlanGrid {
    int columns = 0, rows = 0;
    std::vector<uint8_t> steps; // per cell: bit k set when Headings[k] can be walked from it
    // per cell: bit k (k < 4) set when Headings[k] can be jumped from a stand against the cell
    // ahead, bit 4 + k when a running jump along it (a leap) lands LeapLength cells on
    std::vector<uint8_t> jumps;
    std::vector<uint8_t> stepsIn; // per cell: bit k set when it is walked into along Headings[k]
    std::vector<uint8_t> jumpsIn; // per cell: bit k set when it is landed on along Headings[k]
    std::vector<uint8_t> gate;    // 1 on a gate of the rival that still shuts the mover out
    std::vector<int> cost;        // ticks to walk into the cell

    int index(int column, int row) const { return row * columns + column; }
    bool inside(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    bool canStep(int cell, int k) const { return steps[cell] >> k & 1; }
    bool canJump(int cell, int k) const { return jumps[cell] >> k & 1; }
    bool canLeap(int cell, int k) const { return jumps[cell] >> (4 + k) & 1; }
    // The cell from `cell` along Headings[k], `length` cells on (the caller knows it is inside).
    int along(int cell, int k, int length = 1) const {
        return cell + length * (Headings[k].dy * columns + Headings[k].dx);
    }
    // Does a cow on `from` stop against cell `to` when it walks into it?
    bool stops(int from, int to) const;
    // Does a cow on `from` touch a bale, pill or syringe (all one high) on `to` when it walks
    // into it? Not from ground that much higher: it walks over it.
    bool touches(int from, int to) const { return stand[from] < stand[to] + TouchReach; }
    static constexpr float TouchReach = 1.0f - 0.3f; // item height less the step clearance

    std::vector<float> stand; // stand height of each cell's tile
    std::vector<float> top;   // top of the solid object on each cell; very low when none
};

// Fill `grid` from the grids as cow `mover` sees them, the rival's gates broken open or shut
// (`rivalGatesOpen`); `noise` (per cell, or empty) adds ticks that a less careful planner gets
// wrong.
void buildPlanGrid(PlanGrid &grid, const Cow *mover, bool rivalGatesOpen,
                   const std::vector<int> &noise);

// Buckets and marks reused by distanceField.
struct FieldWork {
    std::vector<std::vector<int>> buckets;
    std::vector<uint8_t> avoided; // per cell: 1 where no way may lead
};

// A rectangle of cells, both corners included; empty when c0 > c1.
struct CellBox {
    int c0 = 0, r0 = 0, c1 = -1, r1 = -1;
    bool holds(int column, int row) const {
        return column >= c0 && column <= c1 && row >= r0 && row <= r1;
    }
};

// Distances in ticks: from the `sources` cells to every cell (`forward`), or from every cell to
// the nearest of the `sources` (`!forward`, the field a cow steers down). `jumps` allows jumps;
// no way leads through the cells of `avoid` (the rival's body, cells it got stuck at). With
// `touch` (and `!forward`) the sources hold items to pick up, entered only on foot from where
// they are touched. The search stops past `limit` ticks, and once `stopCell` (if not -1) is
// reached, FieldMargin ticks past its distance: the cells beyond stay Unreachable.
void distanceField(const PlanGrid &grid, const std::vector<int> &sources, bool forward, bool jumps,
                   std::vector<int> &distance, FieldWork &work, const std::vector<int> &avoid = {},
                   bool touch = false, int limit = Unreachable, int stopCell = -1);
constexpr int FieldMargin = 24; // ticks searched past the stop cell
