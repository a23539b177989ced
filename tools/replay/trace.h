// trace.h: one JSON Lines record of the replay trace per frame.
#pragma once

#include <string>
#include <vector>

struct Cow;

// What the rules did during one frame besides changing the cows.
struct FrameEvents {
    std::vector<std::string> sounds;  // each "[\"play\",\"NAME\"]" and the like, in order
    std::vector<std::string> removed; // each "[column,row]", in order
    std::string console;              // text written, raw
    void clear();
};

// Write a float as the trace prints it, printf's %.9g (enough digits to give back the same
// 32-bit float), into `text` (32 bytes); returns the end of what was written.
char *formatTraceFloat(char *text, float value);

// Append the trace line of `frame` (cow1 and cow2 as they stand, then `events`) to `out`,
// ending with a line feed.
void appendTraceLine(std::string &out, long long frame, const Cow *first, const Cow *second,
                     const FrameEvents &events);
