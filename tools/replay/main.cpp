// main.cpp: pasturon-replay [--computer COW[:LEVEL]]... [--seed N] MAP_FILE INPUT_SCRIPT: the
// game's rules on a map, driven by a script of held keys (and computer players), with no window
// and no audio device; a JSON Lines trace per frame.
#include "input/script.h"
#include "rules/console.h"
#include "rules/kind_rules.h"
#include "rules/play_tick.h"
#include "rules/trace.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/sync_test.h"
#include "world/grids.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int ExitRefusedMap = 1; // the loader refused the map
constexpr int ExitBadInput = 2;   // wrong arguments, unreadable file, bad script line

int fail(const std::string &message) {
    std::fprintf(stderr, "pasturon-replay: %s\n", message.c_str());
    return ExitBadInput;
}

} // namespace

int main(int argc, char **argv) {
    long long syncDepth; // --synctest N
    std::string error;
    if (!takeSyncTestOption(argc, argv, syncDepth, error))
        return fail(error);
    ReplayOptions options;
    if (!parseReplayOptions(argc, argv, options, error))
        return fail(error);
    std::string mapText;
    if (!readWholeFile(options.mapPath, mapText))
        return fail(std::string("cannot read ") + options.mapPath + ": " + std::strerror(errno));
    ScriptSource script;
    if (!script.open(options.scriptPath, error))
        return fail(error);
    bindRuleKinds();
    if (!loadMap(options.mapPath))
        return ExitRefusedMap; // the loader wrote its one line

    ReplayComputers computers(options);
    consoleEcho = false; // standard output holds the trace and nothing else
    startTrace(stdout);
    SyncTest sync(syncDepth);
    sync.start();
    int status = 0;
    ScriptStep step;
    for (;;) {
        if (script.streaming())
            flushTrace(); // the other side reads this frame before it sends the next line
        if (!script.next(step, error))
            break;
        for (long long i = 0; i < step.frames && status == 0; i++) {
            beginTraceTick();
            holdScriptKeys(step);
            computers.holdKeys();
            stepPlayTick();
            endTraceTick();
            if (!sync.afterTick())
                status = ExitStateNotRestored;
        }
    }
    finishTrace();
    if (!error.empty())
        return fail(error);
    freeWorld();
    return status;
}
