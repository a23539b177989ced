// script.h: scripts of held keys, as the replay tool reads them and demos are recorded: lines
// of "N KEY KEY ..." (exactly these keys held for the next N play frames), '#' comments.
#pragma once

#include <string>
#include <vector>

// One instruction: for the next `frames` play frames exactly `keys` are held.
struct ScriptStep {
    long long frames;      // 1 or more
    std::vector<int> keys; // Windows virtual-key codes, 0..255
};

// Read a whole script. On a bad line returns false with `error` saying the line number and
// what is wrong; `steps` then holds the steps before it.
bool parseScript(const std::string &text, std::vector<ScriptStep> &steps, std::string &error);
// Read the script file at `path`. False with `error` set: "cannot read PATH: REASON" or
// "PATH, line N: ..." (the one line the replay tool and the game print).
bool readScriptFile(const char *path, std::vector<ScriptStep> &steps, std::string &error);
// The whole of a file, or false (errno set) when it cannot be read.
bool readWholeFile(const char *path, std::string &text);
// The frames of a script, summed.
long long scriptFrames(const std::vector<ScriptStep> &steps);

// The script line of one step, "N KEY KEY ...\n": key names where the format has one, else
// decimal codes.
std::string scriptLine(const ScriptStep &step);
// Make exactly the step's keys the held keys of the key table.
void holdScriptKeys(const ScriptStep &step);
// Every key held in the key table now, by ascending code.
std::vector<int> heldKeys();
