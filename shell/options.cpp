// options.cpp: the table of the game's options, reading them, and the help text.
#include "shell/options.h"
#include "input/controls.h"
#include "shell/computer_round.h"
#include "shell/controls_file.h"
#include "shell/demo.h"
#include "shell/detail.h"
#include "shell/frame_blend.h"
#include "shell/key_test.h"
#include "shell/net_round.h"
#include "shell/volume.h"

#include <cstdio>
#include <cstring>

bool fullscreenAtStart;

namespace {

constexpr int ExitBadOption = 2;
constexpr int StartGame = -1;

bool showHelp(const char *, std::string &) {
    return true; // handled by takeGameOptions
}

bool printVersion(const char *, std::string &) {
    return true; // handled by takeGameOptions
}

bool printControls(const char *, std::string &) {
    return true; // handled by takeGameOptions, once every option has been read
}

bool startFullscreen(const char *, std::string &) {
    fullscreenAtStart = true;
    return true;
}

// Every option of the game, in the order the help lists them.
const GameOption Options[] = {
    {"help", nullptr, "print this help and exit", showHelp},
    {"version", nullptr, "print the version and exit", printVersion},
    {"fullscreen", nullptr, "start in fullscreen (F11 toggles it)", startFullscreen},
    {"computer", "[LEVEL]", "play alone against the computer (LEVEL: easy, normal or hard)",
     takeComputerOption},
    {"host", "[PORT]", "play over the network: wait for the other player on UDP PORT (7666)",
     takeHostOption},
    {"join", "ADDRESS[:PORT]", "play over the network with the machine that hosts at ADDRESS",
     takeJoinOption},
    {"watch", "ADDRESS[:PORT]", "watch the network game hosted at ADDRESS (split screen)",
     takeWatchOption},
    {"input-delay", "N", "with --host or --join: hold your keys back N ticks (0 to 32; 0)",
     takeInputDelayOption},
    {"print-controls", nullptr,
     "print the controls in force (the defaults and controls.conf) and exit", printControls},
    {"record", "FILE", "write the keys of the round into FILE, a script for --play",
     takeRecordOption},
    {"play", "FILE", "play the script or demo in FILE at once, then exit (status 0)",
     takePlayOption},
    {"timedemo", nullptr, "with --play: unpaced; at the end print the frame rate",
     takeTimedemoOption},
    {"timedemo-smooth", nullptr,
     "with --play: ticks paced, pictures between them unpaced; at the end print pictures a second",
     takeSmoothTimedemoOption},
    {"detail", "high|low",
     "high: the full picture (the default); low: a lighter one for renderers without a card",
     takeDetailOption},
    {"classic-pace", nullptr, "draw one picture per game tick (51 ms), without the in-between ones",
     takeClassicPaceOption},
    {"trace", "FILE", "with --play or --record: the trace of every play frame into FILE",
     takeTraceOption},
    {"shot", "FRAME:FILE.png", "with --play: save the window after play frame FRAME as PNG",
     takeShotOption},
    {"volume", "N", "sound volume 0 to 100 for this run (- and = step it, M mutes)",
     takeVolumeOption},
    {"key-test", nullptr, "show the keys the game sees held, by cow (ESC or F2 ends)",
     takeKeyTestOption},
};

const GameOption *findOption(const char *name) {
    for (const GameOption &option : Options)
        if (std::strcmp(option.name, name) == 0)
            return &option;
    return nullptr;
}

void printHelp() {
    std::printf("usage: pasturon [OPTION]... [GLUT OPTION]...\n"
                "Two cows, one keyboard: gather hay, bank it at home, the first bank above 59 "
                "wins.\n\n");
    for (const GameOption &option : Options) {
        std::string left = std::string("--") + option.name;
        if (option.value)
            left += std::string(" ") + option.value;
        std::printf("  %-24s %s\n", left.c_str(), option.help);
    }
    std::printf(
        "\nPasturon %s is free software under the GNU GPL version 3 or later: no warranty.\n"
        "GLUT's own options (-display DISPLAY, -geometry WxH+X+Y, ...) go to GLUT.\n"
        "Over the internet the host's router forwards its UDP port (7666 unless --host PORT)\n"
        "to the host; on a LAN, join the address the host's waiting screen shows.\n"
        "Controls: %s (see --print-controls).\n"
        "Exit status: 1 when ESC ends the game, 0 after --help, --version, the last frame of\n"
        "--play or the end of --key-test, 2 for a bad option, an unreadable script or a file\n"
        "that cannot be written; with --play over the network 3 (the machines' rounds\n"
        "differed), 4 (the other left or could not be reached), 5 (refused).\n",
        PASTURON_VERSION_STRING, controlsFilePath().c_str());
}

int refuse(const std::string &message) {
    std::fprintf(stderr, "pasturon: %s (try --help)\n", message.c_str());
    return ExitBadOption;
}

} // namespace

int takeGameOptions(int &argc, char **argv) {
    int kept = 1;
    bool controlsAsked = false;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        if (std::strncmp(arg, "--", 2) != 0) {
            argv[kept++] = argv[i]; // GLUT's, or left over
            continue;
        }
        const GameOption *option = findOption(arg + 2);
        if (!option)
            return refuse(std::string("unknown option '") + arg + "'");
        if (option->take == showHelp) {
            printHelp();
            return 0;
        }
        if (option->take == printVersion) {
            std::printf("pasturon %s\n", PASTURON_VERSION_STRING);
            return 0;
        }
        controlsAsked |= option->take == printControls;
        const char *value = nullptr;
        const bool optional = option->value && option->value[0] == '[';
        if (optional) { // "[LEVEL]": the next argument, unless it is another option or none
            if (i + 1 < argc && argv[i + 1][0] != '-')
                value = argv[++i];
        } else if (option->value) {
            if (i + 1 >= argc)
                return refuse(std::string("option '") + arg + "' needs " + option->value);
            value = argv[++i];
        }
        std::string error;
        if (!option->take(value, error))
            return refuse(std::string("option '") + arg + "': " + error);
    }
    argc = kept;
    argv[argc] = nullptr;
    if (controlsAsked) {
        loadControlsFile();
        std::fputs(writeControls(currentControls()).c_str(), stdout);
        return 0;
    }
    return StartGame;
}

int refuseLeftoverArguments(int argc, char **argv) {
    if (argc > 1)
        return refuse(std::string("unknown argument '") + argv[1] + "'");
    return StartGame;
}
