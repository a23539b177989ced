// grid_plan.cpp: the cells as the computer plans on them, and its distance fields.
#include "bots/grid_plan.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "world/grids.h"

#include <algorithm>

namespace {

constexpr float NoTop = -1e9f;
// Height a cow's contact test clears above its stand height while walking (stepClearance).
constexpr float WalkClearance = 0.3f;
// The least height a jump clears above the take-off stand, in the ticks the probe crosses the
// cell ahead after a standing start: the base follows the arc a tick late, so the arc counts
// twice (0.416 + 0.845 at the third tick of the jump), the step clearance once.
constexpr float JumpClearance = 0.3f + 1.2f;
constexpr int Ring = 256; // distance buckets: more than any one move costs

// Length and ticks of jump bit k of PlanGrid::jumps.
int jumpLength(unsigned k) {
    return k < 4 ? JumpLength : LeapLength;
}
int jumpTicks(unsigned k) {
    return k < 4 ? JumpTicks : LeapTicks;
}

bool isRivalGateFor(const WorldObject *object, const Cow *mover) {
    return (object->touchHandler == touchGateOfCow1 && mover != cow1) ||
           (object->touchHandler == touchGateOfCow2 && mover != cow2);
}

// Can a cow on (column, row) walk one cell along Headings[k]? Diagonals need both side cells
// open (the probe may cross either) and never enter a gate.
bool stepOpen(const PlanGrid &grid, int column, int row, int k) {
    const Heading h = Headings[k];
    const int c = column + h.dx, r = row + h.dy;
    if (!grid.inside(c, r))
        return false;
    const int from = grid.index(column, row), to = grid.index(c, r);
    if (grid.stops(from, to))
        return false;
    if (h.dx == 0 || h.dy == 0)
        return true;
    const int side1 = grid.index(c, row), side2 = grid.index(column, r);
    return !grid.gate[to] && !grid.gate[side1] && !grid.gate[side2] && !grid.stops(from, side1) &&
           !grid.stops(from, side2);
}

// Can a cow on (column, row), pressed against the cell ahead along Headings[k] (straight only),
// jump over it and land JumpLength cells on?
bool jumpOpen(const PlanGrid &grid, int column, int row, int k) {
    const Heading h = Headings[k];
    const int c = column + JumpLength * h.dx, r = row + JumpLength * h.dy;
    if (!grid.inside(c, r))
        return false;
    const int from = grid.index(column, row);
    const int over = grid.index(column + h.dx, row + h.dy), land = grid.index(c, r);
    return !grid.gate[over] && grid.stops(from, over) &&
           grid.top[over] <= grid.stand[from] + JumpClearance && !grid.gate[land] &&
           !grid.stops(from, land);
}

// Can a cow running along Headings[k] (straight only) through (column, row) at full speed, from
// the dry cell behind it, jump there and come down LeapLength cells on? The cell ahead is crossed
// before the arc is high, the landing cell and the next one after it is low again; everything
// between is cleared. Worth it only from dry ground (water halves the run) and over something slow
// or solid.
bool leapOpen(const PlanGrid &grid, int column, int row, int k) {
    const Heading h = Headings[k];
    if (!grid.inside(column + (LeapLength + 1) * h.dx, row + (LeapLength + 1) * h.dy))
        return false;
    const int from = grid.index(column, row);
    if (grid.cost[from] != WalkTicks || !grid.inside(column - h.dx, row - h.dy))
        return false;
    const int runUp = grid.index(column - h.dx, row - h.dy); // it comes in running along h
    if (grid.cost[runUp] != WalkTicks || grid.gate[from] || grid.stops(runUp, from))
        return false;
    bool worth = false;
    for (int i = 1; i <= LeapLength + 1; i++) {
        const int cell = grid.index(column + i * h.dx, row + i * h.dy);
        if (grid.gate[cell])
            return false;
        const bool low = i == 1 || i >= LeapLength;
        if (low ? grid.stops(from, cell) : grid.top[cell] > grid.stand[from] + JumpClearance)
            return false;
        worth = worth || grid.cost[cell] > WalkTicks || grid.stops(from, cell);
    }
    return worth;
}

} // namespace

bool PlanGrid::stops(int from, int to) const {
    return !gate[to] && top[to] > stand[from] + WalkClearance;
}

void buildPlanGrid(PlanGrid &grid, const Cow *mover, bool rivalGatesOpen,
                   const std::vector<int> &noise) {
    grid.columns = mapColumns;
    grid.rows = mapRows;
    const size_t cells = static_cast<size_t>(mapColumns) * mapRows;
    grid.stand.assign(cells, 0);
    grid.top.assign(cells, NoTop);
    grid.gate.assign(cells, 0);
    grid.cost.assign(cells, WalkTicks);
    grid.steps.assign(cells, 0);
    grid.jumps.assign(cells, 0);
    grid.stepsIn.assign(cells, 0);
    grid.jumpsIn.assign(cells, 0);
    for (int row = 0; row < mapRows; row++)
        for (int column = 0; column < mapColumns; column++) {
            const int i = grid.index(column, row);
            const Tile *tile = tileAt(column, row);
            if (!tile) { // the loader never leaves a hole; plan one as a wall all the same
                grid.top[i] = -NoTop;
                continue;
            }
            grid.stand[i] = tile->standHeight;
            if (tile->enterHandler == enterWater)
                grid.cost[i] = WaterTicks;
            if (i < static_cast<int>(noise.size()))
                grid.cost[i] += noise[i];
            const WorldObject *object = objectAt(column, row);
            if (!object)
                continue;
            if (isRivalGateFor(object, mover)) {
                if (rivalGatesOpen)
                    continue;
                grid.gate[i] = 1;
                grid.cost[i] += GateTicks;
            } else if (object->touchHandler == blockCow) {
                grid.top[i] = object->z + object->height;
            }
        }
    for (int row = 0; row < mapRows; row++)
        for (int column = 0; column < mapColumns; column++) {
            const int i = grid.index(column, row);
            for (int k = 0; k < 8; k++)
                if (stepOpen(grid, column, row, k)) {
                    grid.steps[i] |= static_cast<uint8_t>(1 << k);
                    grid.stepsIn[grid.along(i, k)] |= static_cast<uint8_t>(1 << k);
                }
            for (int k = 0; k < 4; k++) {
                if (jumpOpen(grid, column, row, k)) {
                    grid.jumps[i] |= static_cast<uint8_t>(1 << k);
                    grid.jumpsIn[grid.along(i, k, JumpLength)] |= static_cast<uint8_t>(1 << k);
                }
                if (leapOpen(grid, column, row, k)) {
                    grid.jumps[i] |= static_cast<uint8_t>(1 << (4 + k));
                    grid.jumpsIn[grid.along(i, k, LeapLength)] |=
                        static_cast<uint8_t>(1 << (4 + k));
                }
            }
        }
}

void distanceField(const PlanGrid &grid, const std::vector<int> &sources, bool forward, bool jumps,
                   std::vector<int> &distance, FieldWork &work, const std::vector<int> &avoid,
                   bool touch, int limit, int stopCell) {
    work.buckets.resize(Ring);
    const size_t cells = static_cast<size_t>(grid.columns) * grid.rows;
    distance.assign(cells, Unreachable);
    work.avoided.resize(cells);
    auto markAvoided = [&](uint8_t mark) {
        for (int cell : avoid)
            if (cell >= 0 && static_cast<size_t>(cell) < cells)
                work.avoided[cell] = mark;
    };
    markAvoided(1);
    size_t queued = 0;
    auto relax = [&](int cell, int value) {
        if (value < distance[cell] && !work.avoided[cell]) {
            distance[cell] = value;
            work.buckets[value % Ring].push_back(cell);
            queued++;
        }
    };
    for (int s : sources)
        if (s >= 0 && static_cast<size_t>(s) < cells && distance[s] != 0) {
            distance[s] = 0;
            work.buckets[0].push_back(s);
            queued++;
        }
    // Dial's buckets: every move costs fewer ticks than the ring holds
    for (int d = 0; queued > 0 && d <= limit; d++) {
        if (stopCell >= 0 && distance[stopCell] < Unreachable)
            limit = std::min(limit, distance[stopCell] + FieldMargin);
        std::vector<int> &bucket = work.buckets[d % Ring];
        for (size_t n = 0; n < bucket.size(); n++) {
            const int u = bucket[n];
            queued--;
            if (distance[u] != d)
                continue;
            if (forward) { // u -> v
                for (unsigned m = grid.steps[u], k = 0; m; m >>= 1, k++)
                    if (m & 1) {
                        const int v = grid.along(u, static_cast<int>(k));
                        relax(v, d + grid.cost[v]);
                    }
                if (jumps)
                    for (unsigned m = grid.jumps[u], k = 0; m; m >>= 1, k++)
                        if (m & 1)
                            relax(grid.along(u, static_cast<int>(k % 4), jumpLength(k)),
                                  d + jumpTicks(k));
            } else {                               // v -> u
                const bool item = touch && d == 0; // only the sources lie at 0
                for (unsigned m = grid.stepsIn[u], k = 0; m; m >>= 1, k++)
                    if (m & 1) {
                        const int v = grid.along(u, static_cast<int>(k), -1);
                        if (!item || grid.touches(v, u))
                            relax(v, d + grid.cost[u]);
                    }
                if (jumps && !item)
                    for (unsigned m = grid.jumpsIn[u], k = 0; m; m >>= 1, k++)
                        if (m & 1)
                            relax(grid.along(u, static_cast<int>(k % 4), -jumpLength(k)),
                                  d + jumpTicks(k));
            }
        }
        bucket.clear();
    }
    for (std::vector<int> &bucket : work.buckets) // what a stop left queued
        bucket.clear();
    markAvoided(0);
}
