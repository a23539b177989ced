// script.cpp: scripts of held keys: reading them, writing their lines, holding their keys.
#include "input/script.h"
#include "input/config_text.h"
#include "input/key_names.h"
#include "input/keys.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The words of one line, the comment cut off.
std::vector<std::string> words(const std::string &line) {
    std::vector<std::string> out;
    size_t end = line.find('#');
    if (end == std::string::npos)
        end = line.size();
    size_t i = 0;
    while (i < end) {
        while (i < end && isBlank(line[i]))
            i++;
        size_t start = i;
        while (i < end && !isBlank(line[i]))
            i++;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

} // namespace

bool parseScript(const std::string &text, std::vector<ScriptStep> &steps, std::string &error) {
    size_t start = 0;
    for (int lineNumber = 1; start <= text.size(); lineNumber++) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::vector<std::string> line = words(text.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue; // blank or comment only
        std::string where = "line " + std::to_string(lineNumber) + ": ";
        ScriptStep step;
        step.frames = wholeNumber(line[0], LLONG_MAX);
        if (step.frames < 1) {
            error = where + "bad frame count \"" + line[0] + "\"";
            return false;
        }
        for (size_t i = 1; i < line.size(); i++) {
            int code = keyCodeOfName(line[i]);
            if (code < 0) {
                error = where + "bad key \"" + line[i] + "\"";
                return false;
            }
            step.keys.push_back(code);
        }
        steps.push_back(step);
    }
    return true;
}

bool readWholeFile(const char *path, std::string &text) {
    FILE *file = std::fopen(path, "rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool readScriptFile(const char *path, std::vector<ScriptStep> &steps, std::string &error) {
    std::string text;
    if (!readWholeFile(path, text)) {
        error = std::string("cannot read ") + path + ": " + std::strerror(errno);
        return false;
    }
    if (!parseScript(text, steps, error)) {
        error = std::string(path) + ", " + error;
        return false;
    }
    return true;
}

long long scriptFrames(const std::vector<ScriptStep> &steps) {
    long long frames = 0;
    for (const ScriptStep &step : steps)
        frames += step.frames;
    return frames;
}

std::string scriptLine(const ScriptStep &step) {
    std::string line = std::to_string(step.frames);
    for (int code : step.keys)
        line += " " + keyNameOf(code);
    return line + "\n";
}

void holdScriptKeys(const ScriptStep &step) {
    releaseAllKeys();
    for (int code : step.keys)
        setKeyDown(code, true);
}

std::vector<int> heldKeys() {
    std::vector<int> keys;
    for (int code = 0; code < KeyCodeCount; code++)
        if (isKeyDown(code))
            keys.push_back(code);
    return keys;
}
