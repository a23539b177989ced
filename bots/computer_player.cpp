// computer_player.cpp: the computer player. Each tick it reads the grids and both cows, plans
// on the cells (grid_plan.h) and holds the keys a person would hold: the heading down its
// distance field, a jump against something it can jump, a head-butt at a gate of the rival or
// at the rival itself. Its levels differ in how often it thinks, how well it plans and how
// often it slips, never in the rules.
#include "bots/computer_player.h"
#include "bots/grid_plan.h"
#include "input/keys.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "rules/steps.h"
#include "world/grids.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

// Its own random numbers (splitmix64): the same seed gives the same choices everywhere.
struct Random {
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
};

// What a level does.
struct Traits {
    int replanTicks;      // ticks between fresh choices of goal
    int reactionTicks;    // ticks before it notices that its load or a bank changed
    double mistakeChance; // chance per tick of setting off the wrong way
    int mistakeTicks;     // how long a wrong way lasts
    int pathNoise;        // most extra ticks per cell that its plans get wrong (0: none)
    bool jumps;           // plans jumps
    bool steals;          // steals from the rival's bank
    bool items;           // goes out of its way for syringes and grow pills
    int buttLoad;         // least load of the rival that it butts for
    double buttChance;    // chance per tick of taking a chance to butt
    bool strikeFirst;     // butts first a rival that comes at it while it carries a load
    double denial;        // worth of a bale taken from the rival, against one gathered
};

const Traits &traitsOf(ComputerLevel level) {
    static const Traits easy{40, 12, 0.02, 10, 8, false, false, false, 5, 0.15, false, 1.0};
    static const Traits normal{30, 2, 0.002, 4, 1, true, true, false, 2, 0.6, false, 1.2};
    static const Traits hard{30, 0, 0.0, 0, 0, true, true, true, 1, 1.0, true, 1.6};
    return level == ComputerLevel::Easy ? easy : level == ComputerLevel::Hard ? hard : normal;
}

enum class Goal { None, Hay, Home, Steal, Chase, Item };

constexpr int StuckTicks = 28;      // ticks without getting nearer before it tries something else
constexpr int BanTicks = 400;       // ticks a goal it failed to reach stays out of its plans
constexpr float BumpCells = 2.0f;   // the two cows touch when nearer than this in x and in y
constexpr float LungeMargin = 0.3f; // cells it keeps inside that reach when it aims a butt
constexpr int ButtReach = 5;        // lunge steps of one head-butt
constexpr int QuickLookTicks = 60;  // how far a quick look for the next bale searches

// Hay, a syringe or a grow pill: what the computer goes for.
bool isItem(const WorldObject *object) {
    return object->touchHandler == pickUpHay || object->touchHandler == pickUpSyringe ||
           object->touchHandler == takeGrowPill;
}

int sign(float value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

bool sameHeading(const Cow *cow, Heading h) {
    return static_cast<int>(cow->dirX) == h.dx && static_cast<int>(cow->dirY) == h.dy;
}

// The step of one walking update at the cow's speed, as the rules cut it.
float walkStep(const Cow *cow) {
    return std::floor(cow->speed * 100) / 100;
}

// A value plus a distance, staying unreachable when either is.
int plus(int a, int b) {
    return a >= Unreachable || b >= Unreachable ? Unreachable : a + b;
}

} // namespace

// A cell the cow could not get into although its plan said so, kept out of plans for a while.
struct StuckCell {
    int cell;
    long long until; // tick
};

struct ComputerPlayer {
    Cow *me;
    Traits traits;
    Random random;
    long long tick = 0;
    // Nothing that stops a cow changes in a round but the rival's gates: the cells and the
    // way home with them shut [0] and broken open [1], made when the player starts.
    PlanGrid grids[2];
    std::vector<int> homeFields[2];
    int gates = 0;            // the one that holds now
    int gatesOfToGoal = 0;    // the one toGoal was made with
    std::vector<int> avoided; // the cells toGoal keeps out of
    FieldWork work;
    std::vector<int> noise;          // the fixed errors of its plans, per cell
    std::vector<int> fromMe, toGoal; // distance fields, in ticks
    const PlanGrid &grid() const { return grids[gates]; }
    const std::vector<int> &homeField() const { return homeFields[gates]; }
    std::vector<long long> bannedUntil; // per cell: not a goal before this tick
    std::vector<int> itemCells;         // cells that held hay, a syringe or a pill lately
    Goal goal = Goal::None;
    int goalCell = -1;
    long long nextReplan = 0;
    int seenCarried = 0, seenBanked = 0, seenRivalBanked = 0, seenRivalCarried = 0;
    bool quickLook = false, fullLook = false; // what the changes seen call for
    int bestDistance = Unreachable, stallTicks = 0;
    int stalls = 0;                    // times in a row it got stuck on the way to this goal
    std::vector<StuckCell> stuckCells; // where it got stuck lately
    int aheadCell = -1;                // the cell its last move went for
    int wanderTicks = 0;
    Heading wander{1, 0};
    bool wanderJump = false;
    int jumpOver = -1;           // the cell the jump under way clears
    int aimTicks = 0;            // ticks spent turning toward the rival without a butt
    long long buttRestUntil = 0; // no aiming at the rival before this tick
};

bool parseComputerLevel(const char *text, ComputerLevel &level) {
    for (ComputerLevel l : {ComputerLevel::Easy, ComputerLevel::Normal, ComputerLevel::Hard})
        if (text && std::strcmp(text, computerLevelName(l)) == 0) {
            level = l;
            return true;
        }
    return false;
}

const char *computerLevelName(ComputerLevel level) {
    switch (level) {
    case ComputerLevel::Easy:
        return "easy";
    case ComputerLevel::Hard:
        return "hard";
    default:
        return "normal";
    }
}

namespace {

// --- Reading the world ---

int cellIndex(const PlanGrid &grid, float x, float y) {
    int column = std::clamp(static_cast<int>(std::floor(x)), 0, grid.columns - 1);
    int row = std::clamp(static_cast<int>(std::floor(y)), 0, grid.rows - 1);
    return grid.index(column, row);
}

int cellOf(const PlanGrid &grid, const Cow *cow) {
    return cellIndex(grid, cow->x, cow->y);
}

// The cells where a cow standing anywhere inside banks at (or steals from) the home (column,
// row): the four whose every point lies within the home radius.
std::vector<int> homeCells(const PlanGrid &grid, int column, int row) {
    std::vector<int> cells;
    for (int r = row - 1; r <= row; r++)
        for (int c = column - 1; c <= column; c++)
            if (grid.inside(c, r))
                cells.push_back(grid.index(c, r));
    return cells;
}

} // namespace

ComputerPlayer *startComputer(int cowNumber, ComputerLevel level, unsigned seed) {
    Cow *cow = cowNumber == 1 ? cow1 : cowNumber == 2 ? cow2 : nullptr;
    if (!cow || !cow->other || mapColumns <= 0 || mapRows <= 0)
        return nullptr;
    ComputerPlayer *player = new ComputerPlayer;
    player->me = cow;
    player->traits = traitsOf(level);
    player->random.state = (static_cast<uint64_t>(seed) << 8) ^ static_cast<uint64_t>(cowNumber) ^
                           (static_cast<uint64_t>(level) << 4);
    const size_t cells = static_cast<size_t>(mapColumns) * mapRows;
    player->noise.assign(cells, 0);
    if (player->traits.pathNoise > 0)
        for (int &n : player->noise)
            n = player->random.below(player->traits.pathNoise + 1);
    player->bannedUntil.assign(cells, 0);
    for (int row = 0; row < mapRows; row++)
        for (int column = 0; column < mapColumns; column++) {
            const WorldObject *object = objectAt(column, row);
            if (object && isItem(object))
                player->itemCells.push_back(row * mapColumns + column);
        }
    // both states of the rival's gates (the rules read as they stand, apart from that flag)
    for (int broken = 0; broken < 2; broken++) {
        PlanGrid &grid = player->grids[broken];
        buildPlanGrid(grid, cow, broken == 1, player->noise);
        distanceField(grid, homeCells(grid, cow->homeCol, cow->homeRow), false,
                      player->traits.jumps, player->homeFields[broken], player->work);
    }
    player->gates = cow->other->gateBroken ? 1 : 0;
    return player;
}

void stopComputer(ComputerPlayer *player) {
    delete player;
}

namespace {

// --- Choosing a goal ---

struct Option {
    Goal goal;
    int cell;
    double score;
};

// Ticks per bale that gathering makes on this map: a trip home and back to the hay nearest
// home, shared by a full load, and a few ticks per bale between bales.
double ticksPerBale(const ComputerPlayer &p, const std::vector<int> &hay) {
    std::vector<int> near;
    for (int h : hay)
        if (p.homeField()[h] < Unreachable)
            near.push_back(p.homeField()[h]);
    if (near.empty())
        return 1e9;
    const size_t n = std::min<size_t>(near.size(), carryLimit);
    std::partial_sort(near.begin(), near.begin() + n, near.end());
    double sum = 0;
    for (size_t i = 0; i < n; i++)
        sum += near[i];
    return 2 * (sum / n) / carryLimit + 4;
}

// Switch to the cells as they are now that the rival's gate opened or shut; true then.
bool refreshGrid(ComputerPlayer &p) {
    const int gates = p.me->other->gateBroken ? 1 : 0;
    if (gates == p.gates)
        return false;
    p.gates = gates;
    return true;
}

// Score every goal in view; the best wins. A score is bales won less what the detour costs at
// the rate gathering makes.
Option chooseGoal(ComputerPlayer &p) {
    const Cow *me = p.me, *rival = me->other;
    const PlanGrid &grid = p.grid();
    const int here = cellOf(grid, me);
    std::vector<int> hay, items;
    // what is left of the items the map started with (nothing new ever appears)
    size_t kept = 0;
    for (int i : p.itemCells) {
        const WorldObject *object = objectAt(i % grid.columns, i / grid.columns);
        if (!object || !isItem(object))
            continue;
        p.itemCells[kept++] = i;
        if (p.bannedUntil[i] > p.tick)
            continue;
        if (object->touchHandler == pickUpHay)
            hay.push_back(i);
        else if (p.traits.items &&
                 ((object->touchHandler == pickUpSyringe && me->carriedEffect == noTouch) ||
                  object->touchHandler == takeGrowPill))
            items.push_back(i);
    }
    p.itemCells.resize(kept);
    const double perBale = ticksPerBale(p, hay);
    const int homeNow = p.homeField()[here];
    const int carried = me->carriedHay, room = carryLimit - carried;
    Option best{Goal::None, -1, -1e18};
    auto consider = [&](Goal goal, int cell, double value, int detour) {
        if (detour >= Unreachable || (cell >= 0 && p.bannedUntil[cell] > p.tick))
            return;
        double score = value - detour / perBale;
        if (goal == p.goal && cell == p.goalCell)
            score += 0.25; // keep to a plan unless another is clearly better
        if (score > best.score)
            best = {goal, cell, score};
    };
    // ticks to an item on `cell`: walking in from a neighbour low enough to touch it
    auto reach = [&](int cell) {
        int best = Unreachable;
        const int c = cell % grid.columns, r = cell / grid.columns;
        for (int k = 0; k < 8; k++) {
            const int ac = c - Headings[k].dx, ar = r - Headings[k].dy;
            if (!grid.inside(ac, ar))
                continue;
            const int from = grid.index(ac, ar);
            if (grid.canStep(from, k) && grid.touches(from, cell))
                best = std::min(best, plus(p.fromMe[from], grid.cost[cell]));
        }
        return best;
    };
    // the extra ticks of going home by way of `cell`, `there` ticks away
    auto detourVia = [&](int cell, int there) {
        return plus(plus(there, p.homeField()[cell]), homeNow >= Unreachable ? 0 : -homeNow);
    };
    if (carried > 0 && (carried + me->bankedHay >= winningBank || room == 0 || hay.empty())) {
        best = {Goal::Home, -1, 0};
    } else {
        if (carried > 0)
            consider(Goal::Home, -1, 0, 0);
        for (int h : hay) {
            const int there = reach(h);
            consider(Goal::Hay, h, 1,
                     carried > 0 ? detourVia(h, there) : plus(there, p.homeField()[h] / 2));
        }
        if (p.traits.steals && rival->bankedHay > 0 && room > 0) {
            const int rivalHome = grid.index(rival->homeCol, rival->homeRow);
            const int gain = std::min(rival->bankedHay, room);
            consider(Goal::Steal, rivalHome, gain * p.traits.denial,
                     detourVia(rivalHome, p.fromMe[rivalHome]));
        }
        if (rival->carriedHay >= p.traits.buttLoad && room > 0 && !rival->stunned &&
            me->stamina > ButtStaminaCost) {
            const int at = cellOf(grid, rival);
            if (p.fromMe[at] < 30) {
                const int gain = std::min(rival->carriedHay, room);
                consider(Goal::Chase, at, gain * p.traits.denial,
                         plus(detourVia(at, p.fromMe[at]), p.fromMe[at]));
            }
        }
        for (int i : items) {
            const int there = reach(i);
            if (there < 40)
                consider(Goal::Item, i,
                         objectAt(i % grid.columns, i / grid.columns)->touchHandler == pickUpSyringe
                             ? 2.5
                             : 1.0,
                         carried > 0 ? detourVia(i, there) : plus(there, there));
        }
        if (p.traits.items && me->carriedEffect != noTouch && !rival->recovering &&
            !rival->stunned) { // a syringe in hand: walk into the rival
            const int at = cellOf(grid, rival);
            if (p.fromMe[at] < 40)
                consider(Goal::Chase, at, 3.0, plus(p.fromMe[at], p.fromMe[at]));
        }
    }
    return best;
}

// The cells to keep out of: where walking in touches the rival's body and bounces back (any
// point of the cell within reach, nearly), unless every goal cell lies there (the rival stands
// on the home the cow makes for), and the cells it found it could not get into lately.
std::vector<int> cellsToAvoid(ComputerPlayer &p, const std::vector<int> &goals, bool rivalToo) {
    const PlanGrid &grid = p.grid();
    const Cow *rival = p.me->other;
    std::vector<int> cells;
    if (rivalToo) {
        CellBox box;
        box.c0 = static_cast<int>(std::floor(rival->x - 2.9f)) + 1;
        box.c1 = static_cast<int>(std::ceil(rival->x + 1.9f)) - 1;
        box.r0 = static_cast<int>(std::floor(rival->y - 2.9f)) + 1;
        box.r1 = static_cast<int>(std::ceil(rival->y + 1.9f)) - 1;
        bool goalOutside = false;
        for (int g : goals)
            goalOutside = goalOutside || !box.holds(g % grid.columns, g / grid.columns);
        if (goalOutside)
            for (int r = std::max(box.r0, 0); r <= std::min(box.r1, grid.rows - 1); r++)
                for (int c = std::max(box.c0, 0); c <= std::min(box.c1, grid.columns - 1); c++)
                    cells.push_back(grid.index(c, r));
    }
    std::vector<StuckCell> &stuck = p.stuckCells;
    stuck.erase(std::remove_if(stuck.begin(), stuck.end(),
                               [&](const StuckCell &s) { return s.until <= p.tick; }),
                stuck.end());
    for (const StuckCell &s : stuck)
        cells.push_back(s.cell);
    return cells;
}

// The way to the goal (toGoal) again when `force`, when the gates changed, or when the rival's
// body moved near the cow; searched out to a little past the cow (farther, it looks again).
void findWay(ComputerPlayer &p, bool force) {
    const Cow *me = p.me, *rival = me->other;
    std::vector<int> goals;
    if (p.goal == Goal::Home)
        goals = homeCells(p.grid(), me->homeCol, me->homeRow);
    else if (p.goal == Goal::Steal)
        goals = homeCells(p.grid(), rival->homeCol, rival->homeRow);
    else if (p.goal != Goal::None)
        goals = {p.goalCell};
    const bool touch = p.goal == Goal::Hay || p.goal == Goal::Item;
    const std::vector<int> avoid = cellsToAvoid(p, goals, p.goal != Goal::Chase);
    const bool moved = avoid != p.avoided;
    const bool near = std::fabs(rival->x - me->x) < 12 && std::fabs(rival->y - me->y) < 12;
    if (force || p.toGoal.empty() || p.goal == Goal::Chase || (moved && near) ||
        p.gatesOfToGoal != p.gates) {
        distanceField(p.grid(), goals, false, p.traits.jumps, p.toGoal, p.work, avoid, touch,
                      Unreachable, cellOf(p.grid(), me));
        p.avoided = avoid;
        p.gatesOfToGoal = p.gates;
    }
}

// Choose the goal and the way to it again. A quick look (after a bale is picked up) searches
// only near the cow for the next bale, and looks at the whole map when none is near.
void replan(ComputerPlayer &p, bool quick) {
    const Cow *me = p.me;
    refreshGrid(p);
    const int here = cellOf(p.grid(), me);
    const std::vector<int> nearMe = cellsToAvoid(p, {here}, true);
    distanceField(p.grid(), {here}, true, p.traits.jumps, p.fromMe, p.work, nearMe, false,
                  quick ? QuickLookTicks : Unreachable);
    Option option = chooseGoal(p);
    if (quick && option.goal != Goal::Hay) {
        distanceField(p.grid(), {here}, true, p.traits.jumps, p.fromMe, p.work, nearMe);
        option = chooseGoal(p);
    }
    const bool changed = option.goal != p.goal || option.cell != p.goalCell;
    if (changed) {
        p.bestDistance = Unreachable;
        p.stallTicks = 0;
        p.stalls = 0;
    }
    p.goal = option.goal;
    p.goalCell = option.cell;
    findWay(p, changed);
    p.nextReplan = p.tick + p.traits.replanTicks;
}

// --- Head-butts ---

// Would a lunge along `h`, started after `delay` ticks of walking that way, reach the rival
// (as it moves now) before it runs out of steps, stamina or room?
bool lungeReaches(const ComputerPlayer &p, Heading h, int delay) {
    const Cow *me = p.me, *rival = me->other;
    const PlanGrid &grid = p.grid();
    if (!(rival->z + rival->height > me->z + me->stepClearance) || (delay == 0 && me->blocked))
        return false;
    const int from = cellOf(grid, me);
    // Is the probe stopped anywhere on the way from (x, y) `length` cells along h? Looked at
    // every quarter cell, so that no cell it crosses is missed.
    auto stopped = [&](float x, float y, float length) {
        for (float t = 0; t <= length; t += 0.25f) {
            const int probe = cellIndex(grid, x + h.dx * (t + static_cast<float>(ProbeDistance)),
                                        y + h.dy * (t + static_cast<float>(ProbeDistance)));
            if (grid.gate[probe] || grid.stops(from, probe))
                return true;
        }
        return false;
    };
    float x = me->x, y = me->y;
    if (delay > 0) { // the aiming walk
        const float walk = delay * std::max(walkStep(me), 0.05f);
        if (stopped(x, y, walk))
            return false;
        x += walk * h.dx;
        y += walk * h.dy;
    }
    const float rivalStep = rival->stunned || rival->butting ? 0 : walkStep(rival);
    const int steps =
        std::min(ButtReach, static_cast<int>(std::ceil(me->stamina / ButtStaminaCost)));
    for (int k = 1; k <= steps; k++) {
        if (stopped(x, y, static_cast<float>(LungeStep)))
            return false;
        x += h.dx * static_cast<float>(LungeStep);
        y += h.dy * static_cast<float>(LungeStep);
        const int ticks = delay + k - (me == cow1 ? 1 : 0); // cow 1 moves first in a tick
        const float rx = rival->x + ticks * rivalStep * rival->dirX;
        const float ry = rival->y + ticks * rivalStep * rival->dirY;
        if (std::fabs(x - rx) < BumpCells - LungeMargin &&
            std::fabs(y - ry) < BumpCells - LungeMargin)
            return true;
    }
    return false;
}

// Is a butt at the rival worth it now? For its load, or (at the top level) to knock over a
// rival that comes near enough to butt first while the cow has a load to lose.
bool worthButting(const ComputerPlayer &p) {
    const Cow *me = p.me, *rival = me->other;
    if (rival->carriedHay >= p.traits.buttLoad && me->carriedHay < carryLimit)
        return true;
    if (!p.traits.strikeFirst || rival->stunned || rival->stamina < ButtStaminaCost ||
        me->carriedHay < 2 || rival->speed <= 0)
        return false;
    const float dx = me->x - rival->x, dy = me->y - rival->y;
    return std::fabs(dx) < 8 && std::fabs(dy) < 8 && dx * rival->dirX + dy * rival->dirY > 0;
}

// --- Keys ---

struct Keys {
    Heading heading{0, 0}; // {0, 0}: no direction key
    bool jump = false, butt = false;
};

void hold(const Cow *cow, const Keys &keys) {
    if (keys.heading.dx > 0)
        setKeyFrom(ComputerSource, cow->keyRight, true);
    if (keys.heading.dx < 0)
        setKeyFrom(ComputerSource, cow->keyLeft, true);
    if (keys.heading.dy > 0)
        setKeyFrom(ComputerSource, cow->keyDown, true);
    if (keys.heading.dy < 0)
        setKeyFrom(ComputerSource, cow->keyUp, true);
    if (keys.jump)
        setKeyFrom(ComputerSource, cow->keyJump, true);
    if (keys.butt)
        setKeyFrom(ComputerSource, cow->keyButt, true);
}

struct Move {
    Heading heading{0, 0};
    int jump = 0; // 0: a walk; else the cells the jump carries the cow
    int cost = Unreachable;
};

// The best move from the cow's cell down `field`.
Move bestMove(const ComputerPlayer &p, const std::vector<int> &field) {
    const PlanGrid &grid = p.grid();
    const Cow *me = p.me;
    const int here = cellOf(grid, me);
    Move best;
    for (int k = 0; k < 8; k++) {
        if (!grid.canStep(here, k))
            continue;
        const int v = grid.along(here, k);
        int cost = plus(field[v], grid.cost[v]);
        if (cost < Unreachable) // the heading it has wins a tie
            cost = cost * 2 - (sameHeading(me, Headings[k]) ? 1 : 0);
        if (cost < best.cost)
            best = {Headings[k], 0, cost};
    }
    if (p.traits.jumps)
        for (int k = 0; k < 4; k++) {
            if (grid.canJump(here, k)) {
                int cost = plus(field[grid.along(here, k, JumpLength)], JumpTicks);
                if (cost < Unreachable)
                    cost *= 2;
                if (cost < best.cost)
                    best = {Headings[k], JumpLength, cost};
            }
            if (grid.canLeap(here, k) && sameHeading(me, Headings[k]) && me->speed >= 0.45f) {
                int cost = plus(field[grid.along(here, k, LeapLength)], LeapTicks);
                if (cost < Unreachable)
                    cost *= 2;
                if (cost < best.cost)
                    best = {Headings[k], LeapLength, cost};
            }
        }
    return best;
}

// The keys that carry out `move` from where the cow stands.
Keys carryOut(ComputerPlayer &p, const Move &move) {
    const Cow *me = p.me;
    const PlanGrid &grid = p.grid();
    Keys keys;
    keys.heading = move.heading;
    const int here = cellOf(grid, me);
    const int ahead =
        grid.index(here % grid.columns + move.heading.dx, here / grid.columns + move.heading.dy);
    p.aheadCell = ahead;
    const Cell probe = probeCell(me);
    const bool probeAhead =
        grid.inside(probe.column, probe.row) && grid.index(probe.column, probe.row) == ahead;
    if (grid.gate[ahead]) {
        // A butt only starts when the cow was not stopped in the update before: step back off
        // the gate, come up to it again and lunge from just short of it.
        if (me->blocked || probeAhead) {
            keys.heading = {-move.heading.dx, -move.heading.dy};
        } else if (sameHeading(me, move.heading) && !me->butting && me->buttSteps == 0 &&
                   me->stamina > 0) {
            const float gap = std::fabs((ahead % grid.columns + (move.heading.dx < 0)) - me->x) *
                                  std::abs(move.heading.dx) +
                              std::fabs((ahead / grid.columns + (move.heading.dy < 0)) - me->y) *
                                  std::abs(move.heading.dy);
            keys.butt = gap < static_cast<float>(LungeStep + ProbeDistance);
        }
        return keys;
    }
    if (move.jump == JumpLength && sameHeading(me, move.heading) && (me->blocked || probeAhead)) {
        keys.jump = true;
        p.jumpOver = ahead;
    }
    if (move.jump == LeapLength && sameHeading(me, move.heading) && me->speed >= 0.45f) {
        keys.jump = true; // held all the way down
        p.jumpOver = grid.index(here % grid.columns + (LeapLength - 1) * move.heading.dx,
                                here / grid.columns + (LeapLength - 1) * move.heading.dy);
    }
    return keys;
}

// During a jump: keep the direction keys while the cow has not cleared what it jumps, or while
// going on along the heading still brings it nearer; else let go and come down short.
Keys duringJump(ComputerPlayer &p) {
    const Cow *me = p.me;
    const PlanGrid &grid = p.grid();
    Heading h{static_cast<int>(me->dirX), static_cast<int>(me->dirY)};
    const int here = cellOf(grid, me);
    const int c = here % grid.columns, r = here / grid.columns;
    bool hold = false;
    if (p.jumpOver >= 0) {
        const int oc = p.jumpOver % grid.columns, orow = p.jumpOver / grid.columns;
        hold = (c - oc) * h.dx + (r - orow) * h.dy < 1;
    }
    if (!hold && p.goal != Goal::None && grid.inside(c + h.dx, r + h.dy)) {
        const int next = grid.index(c + h.dx, r + h.dy);
        hold = p.toGoal[next] < p.toGoal[here];
    }
    Keys keys;
    if (hold)
        keys.heading = h;
    return keys;
}

// Set off the wrong way for a while (a slip, or a way out when it is stuck).
void startWandering(ComputerPlayer &p, int ticks, bool jumpFirst) {
    const PlanGrid &grid = p.grid();
    const int here = cellOf(grid, p.me);
    Heading open[8];
    int count = 0;
    for (int k = 0; k < 8; k++)
        if (grid.canStep(here, k) && !sameHeading(p.me, Headings[k]))
            open[count++] = Headings[k];
    p.wander = count > 0 ? open[p.random.below(count)] : Headings[p.random.below(8)];
    p.wanderTicks = ticks;
    p.wanderJump = jumpFirst;
}

Keys decide(ComputerPlayer &p) {
    Cow *me = p.me;
    const Cow *rival = me->other;
    // changes it reacts to after its reaction time
    bool goalGone = false; // the rival took the bale or item it was making for
    if ((p.goal == Goal::Hay || p.goal == Goal::Item) && p.goalCell >= 0) {
        const WorldObject *object =
            objectAt(p.goalCell % p.grid().columns, p.goalCell / p.grid().columns);
        goalGone = !object ||
                   (object->touchHandler != pickUpHay && object->touchHandler != pickUpSyringe &&
                    object->touchHandler != takeGrowPill);
    }
    const bool pickedUp = me->carriedHay > p.seenCarried;
    const bool otherChange = me->bankedHay != p.seenBanked ||
                             rival->bankedHay != p.seenRivalBanked ||
                             rival->carriedHay != p.seenRivalCarried ||
                             p.gates != (rival->gateBroken ? 1 : 0) || goalGone;
    if (pickedUp || otherChange || me->carriedHay != p.seenCarried) {
        p.nextReplan = std::min(p.nextReplan, p.tick + p.traits.reactionTicks);
        p.quickLook = p.quickLook || (pickedUp && !otherChange);
        p.fullLook = p.fullLook || otherChange || !pickedUp;
        p.seenCarried = me->carriedHay;
        p.seenBanked = me->bankedHay;
        p.seenRivalBanked = rival->bankedHay;
        p.seenRivalCarried = rival->carriedHay;
    }
    const int here = cellOf(p.grid(), me);
    if (!p.toGoal.empty() && p.toGoal[here] >= Unreachable && p.goal != Goal::None)
        findWay(p, true); // off the searched part of the way
    if (p.tick >= p.nextReplan || p.toGoal.empty()) {
        replan(p, p.quickLook && !p.fullLook && !p.toGoal.empty());
        p.quickLook = p.fullLook = false;
    }
    if (me->jumping)
        return duringJump(p);
    Keys keys;
    if (me->butting)
        return keys; // the lunge runs its course
    // a chance to butt the rival
    if (p.aimTicks > 2) { // it keeps slipping away: leave it for a while
        p.aimTicks = 0;
        p.buttRestUntil = p.tick + 24;
    }
    if (me->buttSteps == 0 && me->stamina > 0 && p.tick >= p.buttRestUntil && worthButting(p) &&
        p.random.unit() < p.traits.buttChance) {
        if (lungeReaches(p, {static_cast<int>(me->dirX), static_cast<int>(me->dirY)}, 0)) {
            keys.heading = {static_cast<int>(me->dirX), static_cast<int>(me->dirY)};
            keys.butt = true;
            p.aimTicks = 0;
            return keys;
        }
        for (const Heading &h : Headings)
            if (lungeReaches(p, h, 1)) {
                keys.heading = h; // aim now, lunge next tick
                p.aimTicks++;
                return keys;
            }
    }
    p.aimTicks = 0;
    if (p.wanderTicks > 0) {
        p.wanderTicks--;
        keys.heading = p.wander;
        keys.jump = p.wanderJump && sameHeading(me, p.wander);
        if (keys.jump)
            p.wanderJump = false, p.jumpOver = -1;
        return keys;
    }
    if (p.traits.mistakeChance > 0 && p.random.unit() < p.traits.mistakeChance) {
        startWandering(p, p.traits.mistakeTicks, false);
        keys.heading = p.wander;
        return keys;
    }
    if (p.goal == Goal::None)
        return keys;
    const int distance = p.toGoal[here];
    // progress: a goal that does not come nearer is given up for a while
    if (distance < p.bestDistance) {
        p.bestDistance = distance;
        p.stallTicks = 0;
    } else if (!me->stunned && ++p.stallTicks > StuckTicks) {
        // stuck: keep out of the cell it could not get into, and after a second time give the
        // goal up for a while; step aside (or jump) meanwhile
        if (p.aheadCell >= 0 && p.aheadCell != p.goalCell)
            p.stuckCells.push_back({p.aheadCell, p.tick + BanTicks / 2});
        if (++p.stalls >= 2 && p.goalCell >= 0)
            p.bannedUntil[p.goalCell] = p.tick + BanTicks;
        p.bestDistance = Unreachable;
        p.stallTicks = 0;
        p.toGoal.clear(); // made again with the stuck cell left out
        p.nextReplan = p.tick + 1;
        startWandering(p, 3 + p.random.below(6), me->blocked && p.random.unit() < 0.5);
        keys.heading = p.wander;
        return keys;
    }
    if (distance == 0) {
        if (p.goal == Goal::Hay || p.goal == Goal::Item) { // standing on it: it is out of reach
            if (objectAt(here % p.grid().columns, here / p.grid().columns))
                p.bannedUntil[here] = p.tick + BanTicks;
            p.nextReplan = p.tick + 1;
        }
        // home: head for the home cell itself
        keys.heading = {sign(me->homeCol + 0.5f - me->x), sign(me->homeRow + 0.5f - me->y)};
        if (p.goal == Goal::Steal)
            keys.heading = {sign(rival->homeCol + 0.5f - me->x),
                            sign(rival->homeRow + 0.5f - me->y)};
        if (p.goal == Goal::Chase)
            keys.heading = {sign(rival->x - me->x), sign(rival->y - me->y)};
        return keys;
    }
    Move move = bestMove(p, p.toGoal);
    if (move.cost >= Unreachable) { // no way from here: look again next tick, wander meanwhile
        if (p.goalCell >= 0)
            p.bannedUntil[p.goalCell] = p.tick + BanTicks;
        p.nextReplan = p.tick + 1;
        startWandering(p, 4, false);
        keys.heading = p.wander;
        return keys;
    }
    return carryOut(p, move);
}

} // namespace

void computerHoldKeys(ComputerPlayer *player) {
    if (!player)
        return;
    Cow *cow = player->me;
    for (int code :
         {cow->keyUp, cow->keyDown, cow->keyLeft, cow->keyRight, cow->keyJump, cow->keyButt})
        setKeyFrom(ComputerSource, code, false);
    player->tick++;
    if (cow->won || cow->other->won || cow->stunned)
        return;
    hold(cow, decide(*player));
}
