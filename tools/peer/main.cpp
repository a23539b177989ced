// main.cpp: pasturon-peer: one machine of a network game with no window and no sound, for
// tests and servers. A player drives its cow with that cow's keys from a script, a tick every
// 51 ms; a watcher runs the host's confirmed keys. The confirmed ticks go to --trace in the
// replay tool's format.
//   pasturon-peer --host PORT MAP SCRIPT [--trace FILE] [--input-delay N] [--stats] [--record FILE]
//   pasturon-peer --join ADDRESS[:PORT] MAP SCRIPT [the same options]
//   pasturon-peer --watch ADDRESS[:PORT] MAP [--trace FILE] [--stats]
#include "input/script.h"
#include "net/action_bits.h"
#include "net/confirmed_trace.h"
#include "online/net_play.h"
#include "rules/console.h"
#include "rules/kind_rules.h"
#include "rules/cow.h"
#include "rules/play_tick.h"
#include "world/grids.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int ExitRefusedMap = 1;  // the loader refused the map
constexpr int ExitBadInput = 2;    // wrong arguments, unreadable file, bad script line
constexpr int DefaultTickMs = 51;  // the game's tick
constexpr int MaxCatchUpTicks = 5; // a late loop runs no more ticks than this at once

const char *const Usage =
    "usage: pasturon-peer --host PORT MAP SCRIPT | --join ADDRESS[:PORT] MAP SCRIPT | "
    "--watch ADDRESS[:PORT] MAP [--trace FILE] [--input-delay N] [--stats] [--record FILE]";

int fail(const std::string &message, int status = ExitBadInput) {
    std::fprintf(stderr, "pasturon-peer: %s\n", message.c_str());
    return status;
}

// A decimal number in [low, high], or -1.
long number(const std::string &text, long low, long high) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    long value = std::stol(text);
    return value >= low && value <= high ? value : -1;
}

struct Options {
    NetConfig net;
    std::vector<std::string> files; // MAP [SCRIPT]
    const char *trace = nullptr;
    const char *record = nullptr;
    int inputDelay = 0;
    int tickMs = DefaultTickMs;
    long nudgeAt = -1; // tests: this machine's rules go wrong at this tick
    std::string version = PASTURON_VERSION_STRING;
    bool stats = false;
    bool roleGiven = false;
};

// ADDRESS[:PORT] into the config; false if the port is not one.
bool readAddress(const std::string &text, NetConfig &net) {
    const size_t colon = text.rfind(':');
    net.address = text.substr(0, colon);
    if (colon != std::string::npos) {
        long port = number(text.substr(colon + 1), 1, 65535);
        if (port < 0)
            return false;
        net.port = static_cast<uint16_t>(port);
    }
    return !net.address.empty();
}

// Read the command line; an empty string when it is good, else what is wrong.
std::string readOptions(int argc, char **argv, Options &options) {
    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto role = [&](NetRole r) {
            if (options.roleGiven)
                return std::string("give one of --host, --join and --watch");
            if (!hasValue)
                return arg + " needs a value";
            options.roleGiven = true;
            options.net.role = r;
            const std::string value = argv[++i];
            if (r == NetRole::Host) {
                long port = number(value, 1, 65535);
                if (port < 0)
                    return "bad port \"" + value + "\"";
                options.net.port = static_cast<uint16_t>(port);
            } else if (!readAddress(value, options.net)) {
                return "bad address \"" + value + "\"";
            }
            return std::string();
        };
        std::string error;
        if (arg == "--host")
            error = role(NetRole::Host);
        else if (arg == "--join")
            error = role(NetRole::Join);
        else if (arg == "--watch")
            error = role(NetRole::Watch);
        else if (arg == "--stats")
            options.stats = true;
        else if ((arg == "--trace" || arg == "--record") && hasValue)
            (arg == "--trace" ? options.trace : options.record) = argv[++i];
        else if (arg == "--input-delay" && hasValue) {
            options.inputDelay =
                static_cast<int>(number(argv[++i], 0, RollbackSession::MaxInputDelay));
            if (options.inputDelay < 0)
                error = "bad input delay \"" + std::string(argv[i]) + "\" (0 to " +
                        std::to_string(RollbackSession::MaxInputDelay) + ")";
        } else if (arg == "--version-as" && hasValue) { // tests: another game's version
            options.version = argv[++i];
        } else if (arg == "--protocol-as" && hasValue) { // tests: another protocol
            long protocol = number(argv[++i], 0, 65535);
            if (protocol < 0)
                error = "bad protocol \"" + std::string(argv[i]) + "\"";
            options.net.protocol = static_cast<uint16_t>(protocol);
        } else if (arg == "--nudge-at" && hasValue) { // tests: a desync
            options.nudgeAt = number(argv[++i], 1, MaxSessionTicks);
            if (options.nudgeAt < 0)
                error = "bad tick \"" + std::string(argv[i]) + "\"";
        } else if (arg == "--tick-ms" && hasValue) { // tests: faster ticks
            options.tickMs = static_cast<int>(number(argv[++i], 1, 1000));
            if (options.tickMs < 0)
                error = "bad tick length \"" + std::string(argv[i]) + "\"";
        } else if (arg.size() > 1 && arg[0] == '-')
            error = "unknown option or missing value: " + arg;
        else
            options.files.push_back(arg);
        if (!error.empty())
            return error;
    }
    const size_t files = options.net.role == NetRole::Watch ? 1 : 2;
    if (!options.roleGiven || options.files.size() != files)
        return Usage;
    return {};
}

// This machine's cow's keys of each tick of the script (the other cow's keys ignored).
std::vector<ActionBits> ownKeys(const std::vector<ScriptStep> &steps, int cow) {
    std::vector<ActionBits> keys;
    for (const ScriptStep &step : steps) {
        ActionBits bits[2];
        actionBitsOfKeys(step.keys, bits[0], bits[1]);
        keys.insert(keys.end(), static_cast<size_t>(step.frames), bits[cow]);
    }
    return keys;
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    std::string error = readOptions(argc, argv, options);
    if (!error.empty())
        return fail(error);
    const char *mapPath = options.files[0].c_str();
    std::string mapText;
    if (!readWholeFile(mapPath, mapText))
        return fail(std::string("cannot read ") + mapPath + ": " + std::strerror(errno));
    std::vector<ScriptStep> steps;
    const bool player = options.net.role != NetRole::Watch;
    if (player && !readScriptFile(options.files[1].c_str(), steps, error))
        return fail(error);
    const long long frames = scriptFrames(steps);
    if (options.net.role == NetRole::Host && (frames < 1 || frames > MaxSessionTicks))
        return fail("the host's script must last 1 to " + std::to_string(MaxSessionTicks) +
                    " ticks");
    options.net.mapChecksum = mapFileChecksum(mapText);
    options.net.version = options.version;
    options.net.sessionTicks = static_cast<uint32_t>(frames);
    options.net.tickMs = static_cast<uint32_t>(options.tickMs);
    std::unique_ptr<FILE, int (*)(FILE *)> traceFile(nullptr, std::fclose);
    if (options.trace) {
        traceFile.reset(std::fopen(options.trace, "w"));
        if (!traceFile)
            return fail(std::string("cannot write ") + options.trace + ": " + std::strerror(errno));
    }
    bindRuleKinds();
    if (!loadMap(mapPath))
        return ExitRefusedMap; // the loader wrote its one line
    consoleEcho = false;

    std::unique_ptr<ConfirmedTrace> trace;
    if (traceFile)
        trace = std::make_unique<ConfirmedTrace>(traceFile.get());
    const long nudgeAt = options.nudgeAt;
    auto runTick = [&trace, nudgeAt](long long tick, ActionBits keys1, ActionBits keys2, bool) {
        if (trace)
            trace->beginTick();
        holdActionBits(keys1, keys2);
        stepPlayTick();
        if (tick == nudgeAt)
            cow1->x += 0.01f; // on every run of the tick, so only the other machine differs
        if (trace)
            trace->endTick(tick);
    };
    auto confirmed = [&trace](long long tick) {
        if (trace)
            trace->confirm(tick);
    };
    NetPlay play(options.net, options.inputDelay, runTick, confirmed);
    if (!play.start())
        return fail(play.failureText(), static_cast<int>(play.failure()));
    const std::vector<ActionBits> keys =
        player ? ownKeys(steps, play.localCow()) : std::vector<ActionBits>();

    using Clock = std::chrono::steady_clock;
    const Clock::duration tickLength = std::chrono::milliseconds(options.tickMs);
    const Clock::time_point begun = Clock::now();
    Clock::time_point due = begun;
    for (;;) {
        play.service();
        for (const std::string &notice : play.takeNotices())
            std::fprintf(stderr, "pasturon-peer: %s\n", notice.c_str());
        const NetPhase phase = play.phase();
        if (phase == NetPhase::Failed || phase == NetPhase::Finished)
            break;
        const Clock::time_point now = Clock::now();
        const bool playing = phase == NetPhase::Playing || phase == NetPhase::Closing;
        if (!playing)
            due = now; // the first tick when the round begins
        else if (now >= due) {
            const long long next = play.currentTick() + 1; // the person's keys at this tick
            play.tick(next <= static_cast<long long>(keys.size()) ? keys[next - 1] : 0);
            due += tickLength;
            if (now - due > MaxCatchUpTicks * tickLength)
                due = now; // a stall is forgotten, as in the game
        }
        // listen again within a millisecond, or at the next tick if that comes first
        const Clock::time_point wake = now + std::chrono::milliseconds(1);
        std::this_thread::sleep_until(playing && due < wake ? due : wake);
    }
    trace.reset(); // the confirmed lines written out
    const double seconds = std::chrono::duration<double>(Clock::now() - begun).count();

    int status = 0;
    if (play.phase() == NetPhase::Failed) {
        status = static_cast<int>(play.failure());
        std::string line = play.failureText();
        if (play.failure() == NetFailure::Desync && !options.record) {
            const std::string demo = std::string("pasturon-peer-desync-") +
                                     (options.net.role == NetRole::Host ? "host" : "join") + ".txt";
            if (writeConfirmedDemo(demo.c_str(), play, "confirmed keys before the desync"))
                line += "; the confirmed keys are in " + demo;
        }
        fail(line);
    }
    if (options.record &&
        !writeConfirmedDemo(options.record, play, std::string("pasturon-peer on ") + mapPath)) {
        fail(std::string("cannot write ") + options.record + ": " + std::strerror(errno));
        status = status ? status : ExitBadInput;
    }
    if (options.stats) {
        const NetStats stats = play.stats();
        std::printf("ticks %lld, rollbacks %lld, deepest rollback %d, datagrams sent %llu "
                    "received %llu dropped %llu, round trip %u ms, bytes/s sent %.0f received "
                    "%.0f\n",
                    play.confirmedTick(), play.rollbacks(), play.deepestRollback(),
                    static_cast<unsigned long long>(stats.datagramsSent),
                    static_cast<unsigned long long>(stats.datagramsReceived),
                    static_cast<unsigned long long>(stats.dropped), stats.roundTripMs,
                    stats.bytesSent / seconds, stats.bytesReceived / seconds);
    }
    freeWorld();
    return status;
}
