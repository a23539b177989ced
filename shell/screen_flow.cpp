// screen_flow.cpp: the screen flags, the global keys, the game tick's clock and the frame-rate
// line.
#include "shell/screen_flow.h"
#include "audio/sound.h"
#include "hud/hud.h"
#include "input/keys.h"
#include "shell/computer_round.h"
#include "shell/detail.h"
#include "shell/net_round.h"
#include "shell/title_menu.h"
#include "world/grids.h"

#include <cstdio>
#include <cstdlib>

bool showSplash = true;
bool showTitle;
bool playing;
bool spaceReleased;
bool screenChanged;

constexpr int ReportPeriodMs = 1000; // a frame-rate line when more than this has passed

void splashKeys() {
    if (isKeyDown(VK_Space)) {
        showSplash = false;
        showTitle = true;
        screenChanged = true;
    }
}

void startPlay() {
    beginRound();
    showTitle = false;
    playing = true;
    screenChanged = true;
    stopSound(Sound::SplashScreen);
    startSound(Sound::GameStart);
    startSound(Sound::Ambient);
}

void titleKeys() {
    if (netGame())
        return netTitleKeys();
    bool againstIt = false;
    if (titleStartKeys(&againstIt)) {
        chooseRoundKind(againstIt);
        startPlay();
    }
}

namespace {
bool newGameRefused; // the map was refused during this press of N: no retry until released
} // namespace

void pollNewGameKey() {
    if (netGame())
        return netNewGameKey();
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
    endComputerRound();
    hudIntroCounter = 0;
    playing = false;
    showTitle = true;
    screenChanged = true;
}

void pollQuitKey() {
    if (isKeyDown(VK_Escape)) {
        std::fflush(stdout);
        std::exit(1);
    }
}

namespace {
bool tickClockStarted;
int lastTickMs; // when the last tick taken was due
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
        const double rate = framesCounted / ((nowMs - lastReportMs) * 0.001);
        std::printf("%5.1f fps (%i)%s\n", rate, framesCounted, detailAdvice(rate));
        std::fflush(stdout);
        framesCounted = 0;
        lastReportMs = nowMs;
    }
}

bool tickDue(int nowMs, int *waitMs) {
    if (!tickClockStarted) {
        tickClockStarted = true;
        lastTickMs = nowMs;
    }
    const int sinceMs = nowMs - lastTickMs;
    *waitMs = sinceMs >= TickMs ? 0 : TickMs - sinceMs;
    return sinceMs >= TickMs;
}

int takeDueTicks(int nowMs, int most) {
    int waitMs;
    if (!tickDue(nowMs, &waitMs))
        return 0;
    int due = (nowMs - lastTickMs) / TickMs;
    if (due > MaxTicksInARow) {
        due = MaxTicksInARow; // too far behind: the rest is forgotten
        lastTickMs = nowMs - MaxTicksInARow * TickMs;
    }
    const int taken = due < most ? due : most;
    lastTickMs += taken * TickMs;
    return taken;
}

int msSinceLastTick(int nowMs) {
    return tickClockStarted ? nowMs - lastTickMs : 0;
}

void resetFrameClocks() {
    tickClockStarted = reportStarted = false;
    lastTickMs = lastReportMs = framesCounted = 0;
}
