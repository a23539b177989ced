// grid_plan.cpp: the cells as the computer plans on them, and its distance fields.
#include "bots/grid_plan.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "world/grids.h"

#include <cmath>

namespace {

constexpr float NoTop = -1e9f;
// Height a cow's contact test clears above its stand height while walking (stepClearance).
constexpr float WalkClearance = 0.3f;
// The least height a jump clears above the take-off stand, in the ticks the probe crosses the
// cell ahead after a standing start: the base follows the arc a tick late, so the arc counts
// twice (0.416 + 0.845 at the third tick of the jump), the step clearance once.
constexpr float JumpClearance = 0.3f + 1.2f;

bool isRivalGateFor(const WorldObject *object, const Cow *mover) {
    if (object->touchHandler == touchGateOfCow1)
        return mover != cow1 && !cow1->gateBroken;
    if (object->touchHandler == touchGateOfCow2)
        return mover != cow2 && !cow2->gateBroken;
    return false;
}

} // namespace

bool PlanGrid::walkable(int from, int to) const {
    return gate[to] || top[to] <= stand[from] + WalkClearance;
}

bool PlanGrid::canStep(int column, int row, Heading h) const {
    int c = column + h.dx, r = row + h.dy;
    if (!inside(c, r))
        return false;
    int from = index(column, row);
    if (!walkable(from, index(c, r)))
        return false;
    if (h.dx != 0 && h.dy != 0) // no cutting corners: the probe may cross either side cell
        return !gate[index(column + h.dx, row)] && !gate[index(column, row + h.dy)] &&
               walkable(from, index(column + h.dx, row)) &&
               walkable(from, index(column, row + h.dy));
    return true;
}

bool PlanGrid::canJump(int column, int row, Heading h) const {
    int c = column + JumpLength * h.dx, r = row + JumpLength * h.dy;
    if ((h.dx != 0 && h.dy != 0) || !inside(c, r))
        return false;
    int from = index(column, row);
    int over = index(column + h.dx, row + h.dy);
    int land = index(c, r);
    return !gate[over] && top[over] > stand[from] + WalkClearance &&
           top[over] <= stand[from] + JumpClearance && !gate[land] &&
           top[land] <= stand[from] + WalkClearance;
}

int PlanGrid::stepTicks(int to) const {
    return (water[to] ? WaterTicks : WalkTicks) + (gate[to] ? gateTicks : 0) + extra[to];
}

void buildPlanGrid(PlanGrid &grid, const Cow *mover) {
    grid.columns = mapColumns;
    grid.rows = mapRows;
    const size_t cells = static_cast<size_t>(mapColumns) * mapRows;
    grid.stand.assign(cells, 0);
    grid.top.assign(cells, NoTop);
    grid.water.assign(cells, 0);
    grid.gate.assign(cells, 0);
    grid.extra.assign(cells, 0);
    for (int row = 0; row < mapRows; row++)
        for (int column = 0; column < mapColumns; column++) {
            const int i = grid.index(column, row);
            const Tile *tile = tileAt(column, row);
            if (!tile) { // the loader never leaves a hole; plan one as a wall all the same
                grid.top[i] = 1e9f;
                continue;
            }
            grid.stand[i] = tile->standHeight;
            grid.water[i] = tile->enterHandler == enterWater;
            const WorldObject *object = objectAt(column, row);
            if (!object)
                continue;
            if (isRivalGateFor(object, mover))
                grid.gate[i] = 1;
            else if (object->touchHandler == blockCow)
                grid.top[i] = object->z + object->height;
        }
}

void distanceField(const PlanGrid &grid, const std::vector<int> &sources, bool forward, bool jumps,
                   std::vector<int> &distance) {
    // Dial's buckets: every edge costs fewer ticks than the ring holds.
    constexpr int Ring = 256;
    std::vector<int> buckets[Ring];
    const size_t cells = static_cast<size_t>(grid.columns) * grid.rows;
    distance.assign(cells, Unreachable);
    size_t queued = 0;
    for (int s : sources)
        if (s >= 0 && static_cast<size_t>(s) < cells && distance[s] != 0) {
            distance[s] = 0;
            buckets[0].push_back(s);
            queued++;
        }
    auto relax = [&](int cell, int value) {
        if (value < distance[cell]) {
            distance[cell] = value;
            buckets[value % Ring].push_back(cell);
            queued++;
        }
    };
    for (int d = 0; queued > 0; d++) {
        std::vector<int> &bucket = buckets[d % Ring];
        for (size_t k = 0; k < bucket.size(); k++) {
            const int u = bucket[k];
            queued--;
            if (distance[u] != d)
                continue;
            const int uc = u % grid.columns, ur = u / grid.columns;
            for (const Heading &h : Headings) {
                if (forward) { // u -> v
                    if (!grid.canStep(uc, ur, h))
                        continue;
                    const int v = grid.index(uc + h.dx, ur + h.dy);
                    relax(v, d + grid.stepTicks(v));
                } else { // v -> u
                    const int vc = uc - h.dx, vr = ur - h.dy;
                    if (!grid.inside(vc, vr) || !grid.canStep(vc, vr, h))
                        continue;
                    relax(grid.index(vc, vr), d + grid.stepTicks(u));
                }
            }
            if (!jumps)
                continue;
            for (int k4 = 0; k4 < 4; k4++) {
                const Heading &h = Headings[k4];
                if (forward) {
                    if (grid.canJump(uc, ur, h))
                        relax(grid.index(uc + JumpLength * h.dx, ur + JumpLength * h.dy),
                              d + JumpTicks + grid.extra[u]);
                } else {
                    const int vc = uc - JumpLength * h.dx, vr = ur - JumpLength * h.dy;
                    if (grid.inside(vc, vr) && grid.canJump(vc, vr, h))
                        relax(grid.index(vc, vr), d + JumpTicks + grid.extra[u]);
                }
            }
        }
        bucket.clear();
    }
}
