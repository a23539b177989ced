// main.cpp: pasturon-replay MAP_FILE INPUT_SCRIPT: the game's rules on a map, driven by a
// script of held keys, with no window and no audio device; a JSON Lines trace per frame.
#include "input/script.h"
#include "rules/console.h"
#include "rules/kind_rules.h"
#include "rules/play_tick.h"
#include "rules/trace.h"
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
    std::string optionError;
    if (!takeSyncTestOption(argc, argv, syncDepth, optionError))
        return fail(optionError);
    if (argc != 3)
        return fail("usage: pasturon-replay [--synctest N] MAP_FILE INPUT_SCRIPT");
    std::string mapText;
    if (!readWholeFile(argv[1], mapText))
        return fail(std::string("cannot read ") + argv[1] + ": " + std::strerror(errno));
    std::vector<ScriptStep> steps;
    std::string error;
    if (!readScriptFile(argv[2], steps, error))
        return fail(error);
    bindRuleKinds();
    if (!loadMap(argv[1]))
        return ExitRefusedMap; // the loader wrote its one line

    consoleEcho = false; // standard output holds the trace and nothing else
    startTrace(stdout);
    SyncTest sync(syncDepth);
    sync.start();
    int status = 0;
    for (const ScriptStep &step : steps)
        for (long long i = 0; i < step.frames && status == 0; i++) {
            beginTraceTick();
            holdScriptKeys(step);
            stepPlayTick();
            endTraceTick();
            if (!sync.afterTick())
                status = ExitStateNotRestored;
        }
    finishTrace();
    freeWorld();
    return status;
}
