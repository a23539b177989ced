// demo.h: demos: --record writes the keys of a round as a script, --play plays a script back
// in the game (with --timedemo unpaced, --trace writing the replay tool's trace, --shot saving
// pictures). A tick of play is one frame of the script.
#pragma once

#include "input/script.h"

#include <cstdio>
#include <string>
#include <vector>

// The options (rows of the options table); false with `error` set for a refused value.
bool takeRecordOption(const char *file, std::string &error);
bool takePlayOption(const char *file, std::string &error);
bool takeTimedemoOption(const char *, std::string &error);
bool takeSmoothTimedemoOption(const char *, std::string &error);
bool takeTraceOption(const char *file, std::string &error);
bool takeShotOption(const char *frameAndFile, std::string &error);

// After the options, before the window: read the script, open the files the options name.
// -1 when the game may start; 2 after one line on standard error when it may not.
int prepareDemo();
bool demoPlaying(); // --play: the keys come from the script, not the keyboard
bool timedemo();    // --play --timedemo: every frame as soon as the last one is drawn
// --play --timedemo-smooth: ticks on the clock, pictures between them as fast as they come
bool smoothTimedemo();
// After start-up, with --play: play starts at once, and the keyboard only watches for ESC.
void startDemo();

// Play starts (SPACE on the title screen) or ends (N): a recording and its trace begin or end.
void demoPlayStarted();
void demoPlayEnded();
// Around each tick of the rules: the script's keys in (holdDemoKeys), then the recording and the
// trace out (a computer player holds its keys between the two, so the recording has them).
void holdDemoKeys();
void beginDemoTick();
void endDemoTick();
// --play: the most ticks to run before the next drawn frame, so that the frames a shot or the
// end of the script needs are drawn (a large number otherwise).
int demoTicksBeforeDrawing();
// A frame was drawn (before the buffers swap); `ticked` when ticks ran for it. Takes the
// shots of this frame; after the script's last frame ends the process (status 0).
void demoFrameDrawn(bool ticked);

// --- A network round (net_round.h) records and traces its confirmed ticks itself ---
// One tick's keys into the recording (the first round's, until it ends).
void recordKeys(const std::vector<int> &keys);
bool demoRecording(); // --record's file is open: the first round has not ended
// The trace file of the first round, null when there is none or that round has ended.
FILE *demoTraceFile();
const std::vector<ScriptStep> &demoScript(); // --play: the script played
void demoPlayedOut(); // --play: the round is over; the files are complete, the process ends
