// replay_options.h: the replay tool's command line, its script source (a file, or standard
// input read as it arrives) and its computer players.
#pragma once

#include "bots/computer_player.h"
#include "input/script.h"

#include <cstdio>
#include <string>
#include <vector>

// What the command line asks for.
struct ReplayOptions {
    const char *mapPath = nullptr;
    const char *scriptPath = nullptr; // "-": standard input, read as it arrives
    bool computerOn[2] = {false, false};
    ComputerLevel levels[2] = {ComputerLevel::Normal, ComputerLevel::Normal};
    unsigned seed = 1;
};

// Read `pasturon-replay [--computer COW[:LEVEL]]... [--seed N] MAP SCRIPT`; false with the one
// line of `error` when the arguments are wrong.
bool parseReplayOptions(int argc, char **argv, ReplayOptions &options, std::string &error);

// The steps of a script: all of a file read at once, or standard input a line at a time.
class ScriptSource {
  public:
    // Open the script; false with `error` when a file cannot be read or has a bad line.
    bool open(const char *path, std::string &error);
    // The next step into `step`; false at the end, or with `error` set on a bad line.
    bool next(ScriptStep &step, std::string &error);
    bool streaming() const { return stream != nullptr; }

  private:
    std::vector<ScriptStep> steps;
    size_t nextStep = 0;
    FILE *stream = nullptr; // standard input when streaming
    int lineNumber = 0;
};

// The computer players the options name, for the world loaded now.
class ReplayComputers {
  public:
    explicit ReplayComputers(const ReplayOptions &options);
    ~ReplayComputers();
    ReplayComputers(const ReplayComputers &) = delete;
    ReplayComputers &operator=(const ReplayComputers &) = delete;
    // After the script's keys are held: the computers' cows let go of the script's keys for
    // them, and each computer holds its own.
    void holdKeys();

  private:
    ComputerPlayer *players[2] = {nullptr, nullptr};
};
