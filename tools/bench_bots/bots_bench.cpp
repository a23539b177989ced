// bots_bench.cpp: computer against computer on a map at every pairing of levels and several
// seeds: who wins, after how many ticks, and what the computer costs per tick (the CPU time
// of its calls, so that other programs on the machine do not count).
//   bots_bench [MAP_FILE] [SEEDS] [MOST_TICKS]
#include "bots/computer_player.h"
#include "input/keys.h"
#include "rules/console.h"
#include "rules/cow.h"
#include "rules/kind_rules.h"
#include "rules/play_tick.h"
#include "world/grids.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace {

// CPU time of this thread: what the computer costs, whatever else the machine runs.
double threadMicroseconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

struct Result {
    int winner = 0; // 0: nobody within the ticks
    long long ticks = 0;
    double microseconds = 0, slowest = 0; // the computers' time, summed and the slowest call
    long long calls = 0;
};

Result playRound(const char *map, ComputerLevel one, ComputerLevel two, unsigned seed,
                 long long mostTicks) {
    Result result;
    if (!loadMap(map))
        std::exit(1);
    ComputerPlayer *players[2] = {startComputer(1, one, seed), startComputer(2, two, seed)};
    for (long long tick = 1; tick <= mostTicks && !cow1->won && !cow2->won; tick++) {
        releaseAllKeys();
        for (ComputerPlayer *player : players) {
            const double start = threadMicroseconds();
            computerHoldKeys(player);
            const double us = threadMicroseconds() - start;
            result.microseconds += us;
            result.slowest = std::max(result.slowest, us);
            result.calls++;
        }
        stepPlayTick();
        result.ticks = tick;
    }
    result.winner = cow1->won ? 1 : cow2->won ? 2 : 0;
    for (ComputerPlayer *player : players)
        stopComputer(player);
    return result;
}

} // namespace

int main(int argc, char **argv) {
    const char *map = argc > 1 ? argv[1] : GameMapPath;
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 5;
    const long long mostTicks = argc > 3 ? std::atoll(argv[3]) : 20000;
    bindRuleKinds();
    consoleEcho = false;
    const ComputerLevel levels[] = {ComputerLevel::Easy, ComputerLevel::Normal,
                                    ComputerLevel::Hard};
    std::printf("%-15s %-6s %-22s %-12s %-12s %s\n", "cow 1 - cow 2", "seeds",
                "wins (1 / 2 / none)", "mean ticks", "us per tick", "slowest us");
    for (ComputerLevel one : levels)
        for (ComputerLevel two : levels) {
            int wins[3] = {0, 0, 0};
            double ticks = 0, us = 0, slowest = 0;
            long long calls = 0;
            for (int seed = 1; seed <= seeds; seed++) {
                Result r = playRound(map, one, two, static_cast<unsigned>(seed), mostTicks);
                wins[r.winner]++;
                ticks += static_cast<double>(r.ticks);
                us += r.microseconds;
                calls += r.calls;
                slowest = std::max(slowest, r.slowest);
            }
            char pairing[32], tally[32];
            std::snprintf(pairing, sizeof pairing, "%s - %s", computerLevelName(one),
                          computerLevelName(two));
            std::snprintf(tally, sizeof tally, "%d / %d / %d", wins[1], wins[2], wins[0]);
            std::printf("%-15s %-6d %-22s %-12.0f %-12.1f %.0f\n", pairing, seeds, tally,
                        ticks / seeds, us / static_cast<double>(std::max(calls, 1LL)), slowest);
        }
    freeWorld();
    return 0;
}
