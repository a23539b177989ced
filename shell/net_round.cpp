// net_round.cpp: the game over the network: the options, the session's life from the title
// screen through rounds and new games to its end, the rules' tick the session runs, and the
// confirmed keys into --record and --trace.
#include "shell/net_round.h"
#include "hud/hud.h"
#include "input/controls.h"
#include "input/key_names.h"
#include "input/keys.h"
#include "net/action_bits.h"
#include "net/confirmed_trace.h"
#include "online/net_play.h"
#include "rules/console.h"
#include "rules/play_tick.h"
#include "shell/computer_round.h"
#include "shell/demo.h"
#include "shell/game.h"
#include "shell/pause.h"
#include "shell/screen_flow.h"
#include "shell/view_layout.h"
#include "world/grids.h"

#include <GL/freeglut.h>
#include <arpa/inet.h>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ifaddrs.h>
#include <memory>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {

constexpr int ServiceEveryMs = 5;      // the idle callback sleeps no longer during a network game
constexpr int NextRoundTitleMs = 1500; // after N: the title screen shows this long on each machine
constexpr int ExitBadOption = 2;
constexpr int StartGame = -1;

// --- Set by the options, before the window ---
bool networked;
NetConfig config;
int inputDelay;
std::string startFolder; // where the game was started: a desync's demo goes there

// --- Process lifetime ---
// What this machine is doing: waiting for the other (title), playing a round, on the title
// between two rounds after N, or stopped after a failure or the end (title).
enum class Stage { Waiting, Playing, NextRound, Stopped };
Stage stage = Stage::Waiting;
std::unique_ptr<NetPlay> play;
std::unique_ptr<ConfirmedTrace> trace; // the first round's, with --trace
bool recording;                        // the first round's confirmed keys go to --record
int stageSinceMs;                      // when the stage began (the game's elapsed time)
std::string stopLine;                  // Stopped: why, as on standard error
bool spaceUp;                          // SPACE seen up since the title last acted on it
bool newGameKeyDown;                   // N at the last poll
std::vector<ActionBits> scriptKeys;    // --play: this machine's cow's keys, tick 1 first

int nowMs() {
    return glutGet(GLUT_ELAPSED_TIME);
}

void setStage(Stage next) {
    stage = next;
    stageSinceMs = nowMs();
    screenChanged = true;
}

// A decimal number in [low, high], or -1.
long number(const std::string &text, long low, long high) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const long value = std::stol(text);
    return value >= low && value <= high ? value : -1;
}

bool takeRole(NetRole role, std::string &error) {
    if (networked) {
        error = "give one of --host, --join and --watch";
        return false;
    }
    networked = true;
    config.role = role;
    char folder[4096];
    if (getcwd(folder, sizeof folder))
        startFolder = folder;
    return true;
}

// ADDRESS[:PORT] into the config.
bool takeAddress(NetRole role, const char *text, std::string &error) {
    if (!takeRole(role, error))
        return false;
    const std::string value = text;
    const size_t colon = value.rfind(':');
    config.address = value.substr(0, colon);
    if (colon != std::string::npos) {
        const long port = number(value.substr(colon + 1), 1, 65535);
        if (port < 0) {
            error = "bad port in '" + value + "' (1 to 65535)";
            return false;
        }
        config.port = static_cast<uint16_t>(port);
    }
    if (config.address.empty()) {
        error = "no address in '" + value + "'";
        return false;
    }
    return true;
}

// This machine's address for the waiting screen: its first IPv4 address that is not the
// loopback, or the loopback's when it has no other.
std::string ownAddress() {
    std::string found = "127.0.0.1";
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return found;
    for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET ||
            (entry->ifa_flags & IFF_LOOPBACK) || !(entry->ifa_flags & IFF_UP))
            continue;
        char text[INET_ADDRSTRLEN];
        const auto *address = reinterpret_cast<const sockaddr_in *>(entry->ifa_addr);
        if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) {
            found = text;
            break;
        }
    }
    freeifaddrs(list);
    return found;
}

std::string upperCase(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One tick of the rules with exactly these keys; the keyboard and the pads keep holding what
// they hold. A tick run again prints nothing again.
void runTick(long long tick, ActionBits cow1, ActionBits cow2, bool again) {
    const ActionBitsHeld held(cow1, cow2);
    const bool echo = consoleEcho;
    consoleEcho = echo && !again;
    if (trace)
        trace->beginTick();
    stepPlayTick();
    if (trace)
        trace->endTick(tick);
    consoleEcho = echo;
}

void tickConfirmed(long long tick) {
    if (trace)
        trace->confirm(tick);
    if (recording)
        recordKeys(actionKeyCodes(play->confirmedKeys(tick, 0), play->confirmedKeys(tick, 1)));
}

// --play: the keys of this machine's cow in every tick of the script (the other's ignored).
void readScriptKeys(int cow) {
    scriptKeys.clear();
    for (const ScriptStep &step : demoScript()) {
        ActionBits bits[PlayerCount];
        actionBitsOfKeys(step.keys, bits[0], bits[1]);
        scriptKeys.insert(scriptKeys.end(), static_cast<size_t>(step.frames), bits[cow]);
    }
}

void stopOnFailure();

// A new session with the configuration given, waiting for the other machine.
void openSession() {
    std::string mapText;
    readWholeFile(GameMapPath, mapText);
    config.mapChecksum = mapFileChecksum(mapText);
    config.version = PASTURON_VERSION_STRING;
    config.sessionTicks = 0;
    if (demoPlaying() && config.role == NetRole::Host)
        config.sessionTicks = static_cast<uint32_t>(scriptFrames(demoScript()));
    play = std::make_unique<NetPlay>(config, inputDelay, runTick, tickConfirmed);
    play->keepSoundInStep(true);
    setStage(Stage::Waiting);
    if (!play->start())
        stopOnFailure();
}

// The round as it ends: its trace and recording complete, the title screen back.
void endRound() {
    trace.reset();
    recording = false;
    if (playing) {
        playing = false;
        demoPlayEnded();
    }
    showTitle = true;
    screenChanged = true;
}

// The farm loaded afresh for the next round.
void reloadWorld() {
    endComputerRound();
    loadMap(GameMapPath);
    hudIntroCounter = 0;
}

// The session closed (the other machine has been told or has gone).
void closeSession() {
    play.reset();
    reloadWorld();
}

// The session failed: one line on standard error and on the title screen (a desync's confirmed
// keys kept in a demo). A played script ends the process with pasturon-peer's status.
void stopOnFailure() {
    stopLine = play->failureText();
    if (play->failure() == NetFailure::Desync && !recording) {
        const std::string demo = startFolder + "/pasturon-desync-" +
                                 (config.role == NetRole::Host ? "host" : "join") + ".txt";
        if (writeConfirmedDemo(demo.c_str(), *play, "confirmed keys before the desync"))
            stopLine += "; the confirmed keys are in " + demo;
    }
    std::fprintf(stderr, "pasturon: %s\n", stopLine.c_str());
    const int status = static_cast<int>(play->failure());
    endRound();
    closeSession();
    if (demoPlaying()) {
        std::fflush(stdout);
        std::exit(status);
    }
    setStage(Stage::Stopped);
}

void beginNetRound() {
    chooseRoundKind(false);
    startPlay();
    if (!play->watching()) {
        const int cow = play->localCow() + 1;
        setPlayedCow(cow); // both key sets and every pad drive this machine's cow
        setOneView(cow);
        setControlsExtraLine(("SWITCH VIEW: " + keyLabel(VK_View)).c_str());
        if (demoPlaying())
            readScriptKeys(play->localCow());
    }
    if (FILE *file = demoTraceFile())
        trace = std::make_unique<ConfirmedTrace>(file);
    demoPlayStarted();
    recording = demoRecording(); // the first round's, with --record
    setStage(Stage::Playing);
}

// N pressed here (the other is told), or there: the title screen for a moment, then the next
// round from the farm loaded afresh, on both machines (and their watchers).
void beginNextRound(bool here) {
    if (here)
        play->askNewGame();
    endRound();
    reloadWorld();
    play->newRound();
    setStage(Stage::NextRound);
}
void leaveAtExit() {
    if (play && play->phase() != NetPhase::Finished)
        play->leave();
    play.reset();
    trace.reset();
}

} // namespace

bool takeHostOption(const char *port, std::string &error) {
    if (!takeRole(NetRole::Host, error))
        return false;
    if (port) {
        const long value = number(port, 1, 65535);
        if (value < 0) {
            error = std::string("bad port '") + port + "' (1 to 65535)";
            return false;
        }
        config.port = static_cast<uint16_t>(value);
    }
    return true;
}

bool takeJoinOption(const char *address, std::string &error) {
    return takeAddress(NetRole::Join, address, error);
}

bool takeWatchOption(const char *address, std::string &error) {
    return takeAddress(NetRole::Watch, address, error);
}

bool takeInputDelayOption(const char *ticks, std::string &error) {
    inputDelay = static_cast<int>(number(ticks, 0, RollbackSession::MaxInputDelay));
    if (inputDelay < 0) {
        error = std::string("bad input delay '") + ticks + "' (0 to " +
                std::to_string(RollbackSession::MaxInputDelay) + " ticks)";
        return false;
    }
    return true;
}

int checkNetOptions() {
    const char *refused = nullptr;
    if (!networked && inputDelay > 0)
        refused = "--input-delay needs --host or --join";
    else if (networked && config.role == NetRole::Watch && demoPlaying())
        refused = "--watch cannot go with --play";
    else if (networked && config.role == NetRole::Watch && inputDelay > 0)
        refused = "--input-delay needs --host or --join";
    if (!refused)
        return StartGame;
    std::fprintf(stderr, "pasturon: %s (try --help)\n", refused);
    return ExitBadOption;
}

bool netGame() {
    return networked;
}

void startNetGame() {
    if (!networked)
        return;
    showSplash = false;
    showTitle = true;
    pauseRefused = true; // the other machine's clock runs on: P and the focus do nothing
    openSession();
    std::atexit(leaveAtExit); // ESC or a closed window: the other machine is told
}

int serviceNetGame() {
    if (!networked || !play)
        return INT_MAX;
    play->service();
    for (const std::string &notice : play->takeNotices())
        std::fprintf(stderr, "pasturon: %s\n", notice.c_str());
    const NetPhase phase = play->phase();
    switch (stage) {
    case Stage::Waiting:
        if (phase == NetPhase::Failed)
            stopOnFailure();
        else if (phase == NetPhase::Playing)
            beginNetRound();
        break;
    case Stage::Playing:
        if (phase == NetPhase::Failed) {
            stopOnFailure();
        } else if (phase == NetPhase::Finished) { // a round of known length, all confirmed
            endRound();
            closeSession();
            if (demoPlaying())
                demoPlayedOut();
            stopLine = "the round is over";
            setStage(Stage::Stopped);
        } else if (play->newGameAsked()) {
            beginNextRound(false);
        }
        break;
    case Stage::NextRound:
        if (phase == NetPhase::Failed)
            stopOnFailure();
        else if (play->newGameAsked()) // the other's N while this machine's title showed
            beginNextRound(false);
        else if (nowMs() - stageSinceMs >= NextRoundTitleMs)
            beginNetRound();
        break;
    case Stage::Stopped:
        break;
    }
    return ServiceEveryMs;
}

void netRulesTick() {
    if (!play || stage != Stage::Playing)
        return;
    ActionBits keys = 0;
    if (demoPlaying()) {
        const long long next = play->currentTick() + 1;
        if (next <= static_cast<long long>(scriptKeys.size()))
            keys = scriptKeys[static_cast<size_t>(next - 1)];
    } else if (!play->watching()) {
        keys = heldActionBits(play->localCow());
    }
    play->tick(keys);
}

void netTitleKeys() {
    const bool down = isKeyDown(VK_Space);
    if (down && spaceUp && stage == Stage::Stopped)
        openSession(); // try again
    spaceUp = !down;
}

void drawNetTitle() {
    const std::string where = config.address + " PORT " + std::to_string(config.port);
    std::string first, second = "ESC: GIVE UP";
    switch (stage) {
    case Stage::Waiting:
        if (config.role == NetRole::Host)
            first = "WAITING FOR THE OTHER PLAYER AT " + ownAddress() + " PORT " +
                    std::to_string(config.port) + " (UDP)";
        else
            first = std::string(config.role == NetRole::Watch ? "CONNECTING TO WATCH "
                                                              : "CONNECTING TO ") +
                    where;
        break;
    case Stage::Playing:
    case Stage::NextRound:
        first = "NEW GAME: THE NEXT ROUND STARTS ON BOTH MACHINES";
        second = "ESC: QUIT";
        break;
    case Stage::Stopped:
        first = upperCase(stopLine);
        second = "SPACE: TRY AGAIN      ESC: QUIT";
        break;
    }
    drawTitleLines(first.c_str(), second.c_str(), windowWidth, windowHeight);
}

void netNewGameKey() {
    const bool down = isKeyDown(VK_N);
    const bool pressed = down && !newGameKeyDown;
    newGameKeyDown = down;
    if (pressed && stage == Stage::Playing && play && !play->watching())
        beginNextRound(true);
}

