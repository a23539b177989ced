// bots_bench.cpp: computer against computer on a map at every pairing of levels and several
// seeds: who wins, after how many ticks, and what the computer costs per tick: the CPU time of
// its calls (mean, 99.9th percentile, slowest), so that other programs on the machine count
// as little as they can.
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
#include <vector>

namespace {

// CPU time of this thread, in microseconds.
double threadMicroseconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// One round from the map's start until a cow wins or `mostTicks` pass; the winner (0: none)
// and the ticks played. Every call of a computer adds its time to `calls`.
int playRound(const char *map, ComputerLevel one, ComputerLevel two, unsigned seed,
              long long mostTicks, long long &ticks, std::vector<double> &calls) {
    if (!loadMap(map))
        std::exit(1);
    ComputerPlayer *players[2] = {startComputer(1, one, seed), startComputer(2, two, seed)};
    for (ticks = 0; ticks < mostTicks && !cow1->won && !cow2->won; ticks++) {
        releaseAllKeys();
        for (ComputerPlayer *player : players) {
            const double start = threadMicroseconds();
            computerHoldKeys(player);
            calls.push_back(threadMicroseconds() - start);
        }
        stepPlayTick();
    }
    for (ComputerPlayer *player : players)
        stopComputer(player);
    return cow1->won ? 1 : cow2->won ? 2 : 0;
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
    std::printf("| cow 1 - cow 2 | wins 1 / 2 / none | ticks (mean, fewest, most) | us per tick "
                "(mean, 99.9 %%, slowest) |\n|---|---|---|---|\n");
    for (ComputerLevel one : levels)
        for (ComputerLevel two : levels) {
            int wins[3] = {0, 0, 0};
            long long total = 0, fewest = mostTicks, most = 0;
            std::vector<double> calls;
            for (int seed = 1; seed <= seeds; seed++) {
                long long ticks = 0;
                wins[playRound(map, one, two, static_cast<unsigned>(seed), mostTicks, ticks,
                               calls)]++;
                total += ticks;
                fewest = std::min(fewest, ticks);
                most = std::max(most, ticks);
            }
            double sum = 0;
            for (double us : calls)
                sum += us;
            std::sort(calls.begin(), calls.end());
            const double p999 = calls.empty() ? 0 : calls[calls.size() * 999 / 1000];
            std::printf("| %s - %s | %d / %d / %d | %lld, %lld, %lld | %.1f, %.0f, %.0f |\n",
                        computerLevelName(one), computerLevelName(two), wins[1], wins[2], wins[0],
                        total / seeds, fewest, most,
                        calls.empty() ? 0 : sum / static_cast<double>(calls.size()), p999,
                        calls.empty() ? 0 : calls.back());
        }
    freeWorld();
    return 0;
}
