// rollback_bench.cpp: what the deepest rollback costs on the farm: the state 8 ticks back put
// back and the 8 ticks run again, through the rollback session as the game runs it. Both cows
// stand in the farm's busiest parts (the most hay and items around a free cell) and walk and
// head-butt through them, taking objects that each rollback makes again; the other cow's keys
// differ from the prediction at every tick, so every tick brings a rollback of 8 ticks.
//
//   rollback_bench [MAP_FILE] [ROLLBACKS]     (default: data/_maps/Map02.map, 5000)
//
// Prints the median, 99th percentile and worst time of a whole rollback and of its parts
// (restore, one tick's rules, a checksum) in microseconds of wall-clock time and of the thread's
// CPU time. A figure, never a test.
#include "net/rollback_session.h"
#include "rules/console.h"
#include "rules/kind_rules.h"
#include "rules/play_tick.h"
#include "rules/rules_state.h"
#include "world/grids.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <ctime>
#include <vector>

namespace {

constexpr int Around = 3; // cells on each side of a cow that count as its surroundings

// Microseconds on the wall clock (cheap enough to read around each call).
double now() {
    timespec wall;
    clock_gettime(CLOCK_MONOTONIC, &wall);
    return wall.tv_sec * 1e6 + wall.tv_nsec / 1e3;
}

// Microseconds of this thread's CPU time (a busy machine's other processes do not stretch it;
// read once around a whole loop, for its mean).
double cpuNow() {
    timespec cpu;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    return cpu.tv_sec * 1e6 + cpu.tv_nsec / 1e3;
}

// Objects a touch can take or change (hay, items, gates) around a cell.
int changeableAround(int column, int row) {
    int count = 0;
    for (int c = column - Around; c <= column + Around; c++)
        for (int r = row - Around; r <= row + Around; r++) {
            const WorldObject *object = objectAt(c, r);
            if (object && object->kind != 's' && object->kind != 'T' && object->kind != 'F' &&
                object->kind != '#' && object->kind != 'o')
                count++;
        }
    return count;
}

long long taken; // objects taken, in first runs and runs again

void countTaken(int, int) {
    taken++;
}

struct Spot {
    int column = 0, row = 0, objects = -1;
};

// The free cell with the most changeable objects around it, away from `avoid`.
Spot busiestSpot(const Spot &avoid) {
    Spot best;
    for (int c = Around; c < mapColumns - Around; c++)
        for (int r = Around; r < mapRows - Around; r++) {
            if (objectAt(c, r) || !tileAt(c, r) ||
                std::abs(c - avoid.column) + std::abs(r - avoid.row) < 2 * Around + 1)
                continue;
            int objects = changeableAround(c, r);
            if (objects > best.objects)
                best = {c, r, objects};
        }
    return best;
}

void placeCow(Cow *cow, const Spot &spot) {
    cow->x = static_cast<float>(spot.column) + 0.5f;
    cow->y = static_cast<float>(spot.row) + 0.5f;
    cow->tile = tileAt(spot.column, spot.row);
    followGround(cow);
}

struct Figures {
    std::vector<double> times;
    double cpuMean = -1; // CPU microseconds per call over the whole loop, when measured
    void add(double start) { times.push_back(now() - start); }
    void print(const char *what) {
        std::sort(times.begin(), times.end());
        std::printf("%-34s median %6.1f  p99 %6.1f  max %8.1f us", what, times[times.size() / 2],
                    times[times.size() * 99 / 100], times.back());
        if (cpuMean >= 0)
            std::printf("   CPU mean %6.1f us", cpuMean);
        std::printf("\n");
    }
};

// Random held actions: mostly walking, often head-butting, now and then jumping.
ActionBits randomActions(std::mt19937 &random) {
    static const ActionBits directions[] = {1, 2, 4, 8, 1 | 4, 1 | 8, 2 | 4, 2 | 8};
    ActionBits keys = directions[random() % 8];
    if (random() % 3 == 0)
        keys |= 1 << 5; // butt
    if (random() % 8 == 0)
        keys |= 1 << 4; // jump
    return keys;
}

} // namespace

int main(int argc, char **argv) {
    const char *map = argc > 1 ? argv[1] : "data/_maps/Map02.map";
    const int rollbacks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5000;
    bindRuleKinds();
    if (!loadMap(map))
        return 1;
    const Spot first = busiestSpot({-100, -100, 0});
    const Spot second = busiestSpot(first);
    placeCow(cow1, first);
    placeCow(cow2, second);
    std::printf("rollback_bench: %s, cow 1 at (%d, %d) with %d objects around, cow 2 at (%d, %d) "
                "with %d\n",
                map, first.column, first.row, first.objects, second.column, second.row,
                second.objects);

    std::mt19937 random(20261209);
    Figures whole, restore, tick, checksum;
    objectRemovedHook = countTaken;
    consoleEcho = false;

    RollbackSession session(0, 0, [&](long long, ActionBits k1, ActionBits k2, bool again) {
        double start = again ? 0 : now();
        holdActionBits(k1, k2);
        stepPlayTick();
        if (!again)
            tick.add(start);
    });
    ActionBits remote = randomActions(random);
    session.addRemoteKeys(1, remote);
    while (session.canAdvance())
        session.advance(randomActions(random)); // 8 ticks beyond the remote keys known
    double cpuStart = cpuNow();
    for (int i = 0; i < rollbacks; i++) {
        // the remote keys of the oldest unknown tick differ from the prediction: 8 ticks again
        ActionBits next;
        do
            next = randomActions(random);
        while (next == remote);
        remote = next;
        session.addRemoteKeys(session.remoteKnownTick() + 1, remote);
        double start = now();
        session.settle();
        whole.add(start);
        session.advance(randomActions(random));
    }
    whole.cpuMean = (cpuNow() - cpuStart) / rollbacks; // with the tick after each

    RulesState state;
    saveRulesState(state);
    for (int i = 0; i < rollbacks; i++) {
        double start = now();
        restoreRulesState(state);
        restore.add(start);
        start = now();
        volatile std::uint64_t sum = rulesStateChecksum();
        (void)sum;
        checksum.add(start);
    }
    std::printf("%lld rollbacks, deepest %d ticks, %lld ticks run again, %lld objects taken "
                "(first runs and runs again)\n",
                session.rollbacks(), session.deepestRollback(), session.ticksRunAgain(), taken);
    whole.print("rollback: restore + 8 ticks again");
    tick.print("one tick (keys and rules)");
    restore.print("restore alone");
    checksum.print("checksum of the state");
    objectRemovedHook = nullptr;
    freeWorld();
    return 0;
}
