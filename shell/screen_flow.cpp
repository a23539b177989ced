// screen_flow.cpp: the screen flags, the global keys, frame pacing and the frame-rate line.
#include "shell/screen_flow.h"
#include "audio/sound.h"
#include "hud/hud.h"
#include "input/keys.h"
#include "world/grids.h"

#include <cstdio>
#include <cstdlib>

bool showSplash = true;
bool showTitle;
bool playing;
bool spaceReleased;

constexpr int FramePeriodMs = 50;    // a redisplay when more than this has passed
constexpr int ReportPeriodMs = 1000; // a frame-rate line when more than this has passed

void splashKeys() {
    if (isKeyDown(VK_Space)) {
        showSplash = false;
        showTitle = true;
    }
}

void titleKeys() {
    if (!isKeyDown(VK_Space))
        spaceReleased = true;
    if (isKeyDown(VK_Space) && spaceReleased) {
        showTitle = false;
        playing = true;
        stopSound(Sound::SplashScreen);
        startSound(Sound::GameStart);
        startSound(Sound::Ambient);
    }
}

namespace {
bool newGameRefused; // the map was refused during this press of N: no retry until released
} // namespace

void pollNewGameKey() {
    if (!isKeyDown(VK_N)) {
        newGameRefused = false;
        return;
    }
    if (newGameRefused)
        return;
    // the loader checks the file before it tears the old world down: a refused map
    // leaves the round as it was, and says why once per press
    if (!loadMap(GameMapPath)) {
        newGameRefused = true;
        return;
    }
    hudIntroCounter = 0;
    playing = false;
    showTitle = true;
}

void pollQuitKey() {
    if (isKeyDown(VK_Escape)) {
        std::fflush(stdout);
        std::exit(1);
    }
}

namespace {
bool paceStarted;
int lastRedisplayMs;
bool reportStarted;
int lastReportMs;
int framesCounted;
} // namespace

void countFrame(int nowMs) {
    if (!reportStarted) {
        reportStarted = true;
        lastReportMs = nowMs;
        framesCounted = 0;
    }
    framesCounted++;
    if (nowMs - lastReportMs > ReportPeriodMs) {
        std::printf("%5.1f fps (%i)\n", framesCounted / ((nowMs - lastReportMs) * 0.001),
                    framesCounted);
        std::fflush(stdout);
        framesCounted = 0;
        lastReportMs = nowMs;
    }
}

bool redisplayDue(int nowMs, int *waitMs) {
    if (!paceStarted) {
        paceStarted = true;
        lastRedisplayMs = nowMs;
    }
    if (nowMs - lastRedisplayMs > FramePeriodMs) {
        lastRedisplayMs = nowMs;
        *waitMs = 0;
        return true;
    }
    *waitMs = lastRedisplayMs + FramePeriodMs + 1 - nowMs;
    return false;
}

void resetFrameClocks() {
    paceStarted = reportStarted = false;
    lastRedisplayMs = lastReportMs = framesCounted = 0;
}
