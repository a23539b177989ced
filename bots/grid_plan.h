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
constexpr Heading Headings[8] = {{1, 0}, {-1, 0}, {0, 1},  {0, -1},
                                 {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

constexpr int Unreachable = 1 << 29; // distance of a cell no path reaches
constexpr int WalkTicks = 2;         // ticks to cross a dry cell at full speed (0.5 cells a tick)
constexpr int WaterTicks = 4;        // the same in water (half the speed)
constexpr int JumpTicks = 9;         // a jump over the cell ahead: the run-up blocked, the arc
constexpr int JumpLength = 2;        // cells from the take-off cell to the landing cell

// What the cells are for one cow (`mover`): rebuilt from the grids whenever the computer plans.
struct PlanGrid {
    int columns = 0, rows = 0;
    std::vector<float> stand;   // stand height of each cell's tile
    std::vector<float> top;     // top of the solid object on the cell; -1e9 when none
    std::vector<uint8_t> water; // 1 on water
    std::vector<uint8_t> gate;  // 1 on a gate of the rival that still shuts the mover out
    std::vector<int> extra;     // extra ticks for entering the cell (the planner's dislikes)
    int gateTicks = 30;         // what breaking a rival's gate costs, in ticks

    int index(int column, int row) const { return row * columns + column; }
    bool inside(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    // Can a cow standing on `from` walk into `to` (next to it) without being stopped? The
    // rival's shut gates count as open (their cost says what they take).
    bool walkable(int from, int to) const;
    // Can a cow on cell (c, r) walk one cell along `h` (diagonals need both sides open)?
    bool canStep(int column, int row, Heading h) const;
    // Can a cow on (c, r), pressed against the cell ahead along `h` (4 headings only), jump over
    // it and land JumpLength cells on?
    bool canJump(int column, int row, Heading h) const;
    // Ticks to enter cell `to` walking.
    int stepTicks(int to) const;
};

// Fill `grid` from the grids as cow `mover` sees them.
void buildPlanGrid(PlanGrid &grid, const Cow *mover);

// Distances in ticks: from the `sources` cells to every cell (`forward`), or from every cell to
// the nearest of the `sources` (`!forward`, the field a cow steers down). `jumps` allows jumps.
void distanceField(const PlanGrid &grid, const std::vector<int> &sources, bool forward, bool jumps,
                   std::vector<int> &distance);
