// demo.cpp: recording a round's keys, playing a script back in the game, and what a played
// demo writes: the trace, the shots and the timedemo line.
#include "shell/demo.h"
#include "input/config_text.h"
#include "input/script.h"
#include "rules/trace.h"
#include "shell/frame_blend.h"
#include "shell/game.h"
#include "shell/net_round.h"
#include "shell/screen_flow.h"
#include "shell/screenshot.h"
#include "world/grids.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int ExitBadOption = 2;
constexpr int StartGame = -1;
constexpr int ExitQuit = 1;      // ESC, as in every game
constexpr int ExitPlayedOut = 0; // the script's last frame was played
constexpr int EscapeCharacter = 27;

// One --shot: the play frame after whose drawing the window is saved, and where.
struct Shot {
    long long frame;
    std::string path;
    FILE *file;
};

// --- Set by the options, before the window ---
const char *recordPath;
const char *playPath;
const char *tracePath;
bool unpaced;       // --timedemo
bool smoothUnpaced; // --timedemo-smooth
std::vector<Shot> shots;

// --- Process lifetime ---
FILE *recordFile;              // null once the recording is complete
FILE *traceFile;               // null once the trace is complete
std::vector<ScriptStep> steps; // the script played
size_t stepIndex;              // the step the next tick takes its keys from
long long stepFramesUsed;      // frames of that step already played
long long scriptLength;        // frames in the script
long long playedFrames;        // ticks of play so far (the script's frame number)
ScriptStep run;                // the recording's current run of equal keys (frames 0: none)
bool roundRecorded;            // the one round recorded or traced has ended
using Clock = std::chrono::steady_clock;
Clock::time_point demoStart, lastFrameEnd;
std::vector<double> frameMs; // --timedemo: each drawn frame's time

int refuse(const std::string &message) {
    std::fprintf(stderr, "pasturon: %s\n", message.c_str());
    return ExitBadOption;
}

// Open `path` for writing; null with `error` naming it when it cannot be.
FILE *openForWriting(const char *path, std::string &error) {
    FILE *file = std::fopen(path, "wb");
    if (!file)
        error = std::string("cannot write ") + path + ": " + std::strerror(errno);
    return file;
}

void writeRun() {
    if (recordFile && run.frames > 0) {
        std::fputs(scriptLine(run).c_str(), recordFile);
        std::fflush(recordFile);
    }
    run.frames = 0;
}

// The recording and the trace are complete (N, ESC, the window closed, the script's end).
void finishDemoFiles() {
    writeRun();
    if (recordFile) {
        std::fclose(recordFile);
        recordFile = nullptr;
    }
    if (traceFile) {
        finishTrace();
        std::fclose(traceFile);
        traceFile = nullptr;
    }
}

// During --play the keyboard only ends the game: ESC quits as in every game.
void keyDuringDemo(unsigned char key, int, int) {
    if (key == EscapeCharacter) {
        std::fflush(stdout);
        std::exit(ExitQuit);
    }
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printTimedemoLine() {
    const double seconds = std::chrono::duration<double>(lastFrameEnd - demoStart).count();
    const double slowest = frameMs.empty() ? 0 : *std::max_element(frameMs.begin(), frameMs.end());
    if (smoothUnpaced) {
        std::printf("%zu pictures in %.2f s over %lld ticks: %.1f pictures a second (median "
                    "picture %.1f ms, slowest %.1f ms)\n",
                    frameMs.size(), seconds, playedFrames,
                    seconds > 0 ? frameMs.size() / seconds : 0.0, median(frameMs), slowest);
        return;
    }
    std::printf("%zu frames in %.2f s: %.1f fps (median frame %.1f ms, slowest %.1f ms)\n",
                frameMs.size(), seconds, seconds > 0 ? frameMs.size() / seconds : 0.0,
                median(frameMs), slowest);
}

// The script has been played to its end: the files are complete, the process ends.
void endOfScript() {
    finishDemoFiles();
    if (unpaced || smoothUnpaced)
        printTimedemoLine();
    std::fflush(stdout);
    std::exit(ExitPlayedOut);
}

void takeShots() {
    for (Shot &shot : shots) {
        if (shot.frame != playedFrames || !shot.file)
            continue;
        std::string error;
        const bool written = writeWindowPng(shot.file, windowWidth, windowHeight, error);
        std::fclose(shot.file);
        shot.file = nullptr;
        if (!written) {
            std::fprintf(stderr, "pasturon: cannot write %s: %s\n", shot.path.c_str(),
                         error.c_str());
            std::exit(ExitQuit);
        }
    }
}

// A decimal frame number of 1 or more, or -1.
long long frameNumber(const std::string &text) {
    constexpr long long MostFrames = 999999999999999; // 15 digits
    const long long value = wholeNumber(text, MostFrames);
    return value >= 1 ? value : -1;
}

} // namespace

bool takeRecordOption(const char *file, std::string &) {
    recordPath = file;
    return true;
}

bool takePlayOption(const char *file, std::string &) {
    playPath = file;
    return true;
}

bool takeTimedemoOption(const char *, std::string &) {
    unpaced = true;
    return true;
}

bool takeSmoothTimedemoOption(const char *, std::string &) {
    smoothUnpaced = true;
    return true;
}

bool takeTraceOption(const char *file, std::string &) {
    tracePath = file;
    return true;
}

bool takeShotOption(const char *frameAndFile, std::string &error) {
    const std::string text = frameAndFile;
    const size_t colon = text.find(':');
    const long long frame = frameNumber(text.substr(0, colon == std::string::npos ? 0 : colon));
    if (frame < 1 || colon + 1 >= text.size()) {
        error = "expected FRAME:FILE.png with a play frame of 1 or more, not '" + text + "'";
        return false;
    }
    shots.push_back({frame, text.substr(colon + 1), nullptr});
    return true;
}

int prepareDemo() {
    if (!playPath && (unpaced || smoothUnpaced || !shots.empty()))
        return refuse(std::string(unpaced         ? "--timedemo"
                                  : smoothUnpaced ? "--timedemo-smooth"
                                                  : "--shot") +
                      " needs --play");
    if (unpaced && smoothUnpaced)
        return refuse("--timedemo and --timedemo-smooth exclude each other");
    if (unpaced || !shots.empty()) // every frame and every shot at a tick, as references expect
        chooseClassicPace();
    if (tracePath && !playPath && !recordPath)
        return refuse("--trace needs --play or --record");
    std::string error;
    if (playPath) {
        if (!readScriptFile(playPath, steps, error))
            return refuse(error);
        scriptLength = scriptFrames(steps);
    }
    for (Shot &shot : shots) {
        if (shot.frame > scriptLength)
            return refuse("--shot " + std::to_string(shot.frame) + ": the script has only " +
                          std::to_string(scriptLength) + " frames");
        if (!(shot.file = openForWriting(shot.path.c_str(), error)))
            return refuse(error);
    }
    if (tracePath && !(traceFile = openForWriting(tracePath, error)))
        return refuse(error);
    if (recordPath) {
        if (!(recordFile = openForWriting(recordPath, error)))
            return refuse(error);
        char date[64];
        const std::time_t now = std::time(nullptr);
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S %z", std::localtime(&now));
        std::fprintf(recordFile, "# pasturon demo of %s, recorded %s\n", GameMapPath, date);
        std::fflush(recordFile);
    }
    std::atexit(finishDemoFiles); // ESC and a closed window end the process with exit()
    return StartGame;
}

bool demoPlaying() {
    return playPath != nullptr;
}

bool timedemo() {
    return unpaced;
}

bool smoothTimedemo() {
    return smoothUnpaced;
}

void startDemo() {
    if (!playPath)
        return;
    glutKeyboardFunc(keyDuringDemo);
    glutKeyboardUpFunc(nullptr);
    glutSpecialFunc(nullptr);
    glutSpecialUpFunc(nullptr);
    showSplash = showTitle = false;
    if (netGame()) { // the round starts when the other machine is there
        showTitle = true;
        return;
    }
    startPlay();
    demoPlayStarted();
    demoStart = lastFrameEnd = Clock::now();
    if (scriptLength == 0)
        endOfScript();
}

void demoPlayStarted() {
    if (roundRecorded)
        return;
    playedFrames = 0;
    if (traceFile && !netGame()) // a network round traces its confirmed ticks (net_round.h)
        startTrace(traceFile);
}

void demoPlayEnded() {
    roundRecorded = true;
    finishDemoFiles();
}

void holdDemoKeys() {
    if (playPath) {
        while (stepIndex < steps.size() && stepFramesUsed >= steps[stepIndex].frames) {
            stepIndex++;
            stepFramesUsed = 0;
        }
        if (stepIndex < steps.size()) {
            holdScriptKeys(steps[stepIndex]);
            stepFramesUsed++;
        }
    }
}

void recordKeys(const std::vector<int> &keys) {
    if (!recordFile)
        return;
    if (run.frames > 0 && keys != run.keys)
        writeRun();
    if (run.frames == 0)
        run.keys = keys;
    run.frames++;
}

void beginDemoTick() {
    if (recordFile)
        recordKeys(heldKeys());
    if (traceFile)
        beginTraceTick();
}

void endDemoTick() {
    playedFrames++;
    if (traceFile)
        endTraceTick();
}

int demoTicksBeforeDrawing() {
    if (!playPath)
        return INT_MAX;
    long long next = scriptLength; // the last frame is drawn
    for (const Shot &shot : shots)
        if (shot.frame > playedFrames && shot.frame < next)
            next = shot.frame;
    return static_cast<int>(std::max(1LL, std::min<long long>(next - playedFrames, INT_MAX)));
}

void demoFrameDrawn(bool ticked) {
    if (!playPath || !(ticked || smoothUnpaced))
        return;
    const Clock::time_point now = Clock::now();
    frameMs.push_back(std::chrono::duration<double, std::milli>(now - lastFrameEnd).count());
    lastFrameEnd = now;
    if (!ticked)
        return;
    takeShots();
    if (playedFrames >= scriptLength)
        endOfScript();
}

bool demoRecording() {
    return recordFile != nullptr;
}

FILE *demoTraceFile() {
    return roundRecorded ? nullptr : traceFile;
}

const std::vector<ScriptStep> &demoScript() {
    return steps;
}

void demoPlayedOut() {
    endOfScript();
}
