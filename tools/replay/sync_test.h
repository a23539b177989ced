// sync_test.h: pasturon-replay --synctest N: after every tick, roll the rules back N ticks, run
// those ticks again with the same keys, silently, and check that the state comes out the same;
// the trace is printed as without the option. The cheapest proof that saving and restoring the
// rules' state misses nothing.
#pragma once

#include "input/script.h"

#include <cstdint>
#include <string>
#include <vector>

#include "rules/rules_state.h"

constexpr int ExitStateNotRestored = 3; // a tick's state came back different

// Take "--synctest N" out of the arguments (anywhere among them), setting `depth` to N (0 when
// absent). False with `error` set for a missing or bad N.
bool takeSyncTestOption(int &argc, char **argv, long long &depth, std::string &error);

class SyncTest {
  public:
    static constexpr long long MaxDepth = 100000; // ticks; the states kept grow with it

    explicit SyncTest(long long depth); // 0: no checks at all
    // Keep the state before the first tick (the map just loaded).
    void start();
    // After each tick, with its keys still held (whatever held them: the script or a computer
    // player): roll back and run again with the keys each tick held. False after one line on
    // standard error naming the tick whose state was not restored completely.
    bool afterTick();

  private:
    size_t slot(long long t) const { return static_cast<size_t>(t % ring); }
    bool differs(long long t, std::uint64_t sum, const char *when) const;

    long long depth;
    long long ring; // depth + 1 ticks remembered
    long long tick = 0;
    std::vector<RulesState> states;  // the state after each tick, by slot
    std::vector<std::uint64_t> sums; // its checksum when first run, by slot
    std::vector<ScriptStep> keys;    // the keys each tick held, by slot
};
