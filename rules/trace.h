// trace.h: the trace of a run of play ticks, one JSON Lines record per frame, as the replay
// tool prints it and the game writes it with --trace.
#pragma once

#include <cstdio>
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

// Record the rules' sounds, removed cells and console text into `events` from now on (null:
// stop listening). The trace below and the confirmed trace of a network session listen so.
void listenToFrameEvents(FrameEvents *events);

// --- The trace being written (one per process) ---

// Start a trace into `file`: listen to the rules' sounds, removed cells and console text, and
// write frame 0, the state as it stands.
void startTrace(FILE *file);
// True between startTrace and finishTrace.
bool tracing();
// Before a tick: forget what the last one did.
void beginTraceTick();
// After a tick: the trace line of the next frame.
void endTraceTick();
// Write the lines held back so far and flush the file (a reader waits for each line).
void flushTrace();
// Write what is still held back and flush; stop listening. Harmless when no trace runs.
void finishTrace();
