// script.cpp: reading the replay tool's input script.
#include "tools/replay/script.h"
#include "input/key_names.h"

#include <climits>

namespace {

// A run of decimal digits as a number no greater than `limit`; -1 if it is not one.
long long decimal(const std::string &text, long long limit) {
    if (text.empty())
        return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        int digit = c - '0';
        if (value > (limit - digit) / 10)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}

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
        step.frames = decimal(line[0], LLONG_MAX);
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
