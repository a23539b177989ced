// sync_test.cpp: the replay tool's sync test: a rollback at every tick, checked by checksums.
#include "tools/replay/sync_test.h"
#include "audio/sound.h"
#include "rules/console.h"
#include "rules/play_tick.h"
#include "world/grids.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// While alive the rules' sounds, removed cells and console text reach nobody: ticks run again
// must not be traced twice.
class Unheard {
  public:
    Unheard()
        : sound(soundActionHook), removed(objectRemovedHook), console(consoleHook),
          echo(consoleEcho) {
        soundActionHook = nullptr;
        objectRemovedHook = nullptr;
        consoleHook = nullptr;
        consoleEcho = false;
    }
    ~Unheard() {
        soundActionHook = sound;
        objectRemovedHook = removed;
        consoleHook = console;
        consoleEcho = echo;
    }
    Unheard(const Unheard &) = delete;
    Unheard &operator=(const Unheard &) = delete;

  private:
    void (*sound)(SoundAction, Sound);
    void (*removed)(int, int);
    void (*console)(const char *);
    bool echo;
};

} // namespace

bool takeSyncTestOption(int &argc, char **argv, long long &depth, std::string &error) {
    depth = 0;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--synctest") != 0)
            continue;
        char *end = nullptr;
        const char *value = i + 1 < argc ? argv[i + 1] : "";
        long long n = std::strtoll(value, &end, 10);
        if (!*value || *end || n < 1 || n > SyncTest::MaxDepth) {
            error = "--synctest needs a number of ticks from 1 to " +
                    std::to_string(SyncTest::MaxDepth);
            return false;
        }
        depth = n;
        for (int j = i; j + 2 <= argc; j++)
            argv[j] = argv[j + 2];
        argc -= 2;
        i--;
    }
    return true;
}

SyncTest::SyncTest(long long depth) : depth(depth), ring(depth + 1) {
    if (depth > 0) {
        states.resize(static_cast<size_t>(ring));
        sums.resize(static_cast<size_t>(ring));
        keys.resize(static_cast<size_t>(ring), ScriptStep{1, {}});
    }
}

void SyncTest::start() {
    if (depth == 0)
        return;
    tick = 0;
    saveRulesState(states[0]);
    sums[0] = rulesStateChecksum();
}

bool SyncTest::differs(long long t, std::uint64_t sum, const char *when) const {
    if (sum == sums[slot(t)])
        return false;
    std::fprintf(stderr,
                 "pasturon-replay: sync test: the state of tick %lld was not restored completely "
                 "(%s)\n",
                 t, when);
    return true;
}

bool SyncTest::afterTick() {
    if (depth == 0)
        return true;
    tick++;
    keys[slot(tick)].keys = heldKeys();
    sums[slot(tick)] = rulesStateChecksum();
    saveRulesState(states[slot(tick)]);
    if (differs(tick, checksumOf(states[slot(tick)]), "its saved copy differs"))
        return false;

    const long long from = tick > depth ? tick - depth : 0;
    restoreRulesState(states[slot(from)]);
    if (differs(from, rulesStateChecksum(), "put back"))
        return false;
    Unheard unheard;
    for (long long t = from + 1; t <= tick; t++) {
        holdScriptKeys(keys[slot(t)]);
        stepPlayTick();
        if (differs(t, rulesStateChecksum(), "run again from an earlier tick"))
            return false;
    }
    return true;
}
