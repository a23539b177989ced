// replay_options.cpp: the replay tool's command line, script source and computer players.
#include "tools/replay/replay_options.h"
#include "input/keys.h"
#include "rules/cow.h"
#include "world/grids.h"

#include <climits>
#include <cstring>

namespace {

constexpr const char *Usage =
    "usage: pasturon-replay [--computer COW[:LEVEL]]... [--seed N] MAP_FILE INPUT_SCRIPT";

// A decimal number 0..UINT_MAX, or false.
bool readUnsigned(const char *text, unsigned &value) {
    unsigned long long v = 0;
    if (!*text)
        return false;
    for (const char *c = text; *c; c++) {
        if (*c < '0' || *c > '9')
            return false;
        v = v * 10 + static_cast<unsigned>(*c - '0');
        if (v > UINT_MAX)
            return false;
    }
    value = static_cast<unsigned>(v);
    return true;
}

// "1", "2", "1:hard", "2:easy" ...
bool readComputer(const std::string &text, ReplayOptions &options, std::string &error) {
    const size_t colon = text.find(':');
    const std::string cow = text.substr(0, colon);
    if (cow != "1" && cow != "2") {
        error = "--computer: no cow \"" + cow + "\" (1 or 2)";
        return false;
    }
    const int index = cow[0] - '1';
    if (options.computerOn[index]) {
        error = "--computer: cow " + cow + " named twice";
        return false;
    }
    options.computerOn[index] = true;
    if (colon != std::string::npos &&
        !parseComputerLevel(text.c_str() + colon + 1, options.levels[index])) {
        error = "--computer: no level \"" + text.substr(colon + 1) + "\" (easy, normal or hard)";
        return false;
    }
    return true;
}

} // namespace

bool parseReplayOptions(int argc, char **argv, ReplayOptions &options, std::string &error) {
    std::vector<const char *> files;
    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        if (arg == "--computer" || arg == "--seed") {
            if (i + 1 >= argc) {
                error = arg + " needs a value; " + Usage;
                return false;
            }
            const char *value = argv[++i];
            if (arg == "--computer" && !readComputer(value, options, error))
                return false;
            if (arg == "--seed" && !readUnsigned(value, options.seed)) {
                error = std::string("--seed: \"") + value + "\" is not a number 0.." +
                        std::to_string(UINT_MAX);
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg + "; " + Usage;
            return false;
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.size() != 2) {
        error = Usage;
        return false;
    }
    options.mapPath = files[0];
    options.scriptPath = files[1];
    return true;
}

bool ScriptSource::open(const char *path, std::string &error) {
    if (std::strcmp(path, "-") == 0) {
        stream = stdin;
        return true;
    }
    return readScriptFile(path, steps, error);
}

bool ScriptSource::next(ScriptStep &step, std::string &error) {
    if (!stream) {
        if (nextStep >= steps.size())
            return false;
        step = steps[nextStep++];
        return true;
    }
    std::string line;
    std::vector<ScriptStep> parsed;
    for (;;) { // one line at a time, as it arrives; blank and comment lines give no step
        line.clear();
        int c;
        while ((c = std::fgetc(stream)) != EOF && c != '\n')
            line += static_cast<char>(c);
        if (c == EOF && line.empty())
            return false;
        lineNumber++;
        if (!parseScript(line, parsed, error)) {
            error = "standard input, line " + std::to_string(lineNumber) +
                    error.substr(error.find(':'));
            return false;
        }
        if (!parsed.empty()) {
            step = parsed[0];
            return true;
        }
    }
}

ReplayComputers::ReplayComputers(const ReplayOptions &options) {
    for (int i = 0; i < 2; i++)
        if (options.computerOn[i])
            players[i] = startComputer(i + 1, options.levels[i], options.seed);
}

ReplayComputers::~ReplayComputers() {
    for (ComputerPlayer *player : players)
        stopComputer(player);
}

void ReplayComputers::holdKeys() {
    for (int i = 0; i < 2; i++) {
        if (!players[i])
            continue;
        const Cow *cow = i == 0 ? cow1 : cow2;
        for (int code : {cow->keyUp, cow->keyDown, cow->keyLeft, cow->keyRight, cow->keyJump,
                         cow->keyButt, cow->keyControls})
            setKeyFrom(KeyboardSource, code, false);
    }
    for (ComputerPlayer *player : players)
        if (player)
            computerHoldKeys(player);
}
