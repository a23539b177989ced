// pause.cpp: the pause of a local round, its keys, the focus watch and the banner.
#include "shell/pause.h"
#include "audio/mix.h"
#include "hud/overlays.h"
#include "input/keys.h"
#include "shell/camera.h"
#include "shell/demo.h"
#include "shell/game.h"
#include "shell/key_map.h"
#include "shell/screen_flow.h"

bool pauseRefused;

namespace {

// --- Process lifetime ---
bool paused;
bool pauseKeyWasDown;     // P or a pad's Start at the last poll
bool playingAtLastPoll;   // a Start that started play is not a pause
int focusAtLastPoll = -1; // windowHasFocus() at the last poll in play

constexpr unsigned PadSources = Pad1Source | Pad2Source;

} // namespace

bool gamePaused() {
    return paused;
}

bool roundRuns() {
    return playing && !paused;
}

bool setGamePaused(bool pause) {
    if (pause == paused || (pause && (!playing || demoPlaying() || pauseRefused)))
        return false;
    paused = pause;
    pause ? pauseAllSounds() : resumeAllSounds();
    screenChanged = true;
    return true;
}

void pollPauseKeys() {
    if (paused && !playing)
        setGamePaused(false); // N left the round
    const bool down = isKeyDown(VK_Pause) || (keyHolders(VK_Space) & PadSources) != 0;
    const bool pressed = down && !pauseKeyWasDown && playingAtLastPoll;
    pauseKeyWasDown = down;
    playingAtLastPoll = playing;
    if (pressed)
        setGamePaused(!paused);
    const int focus = roundRuns() ? windowHasFocus() : -1;
    if (focusAtLastPoll == 1 && focus == 0)
        setGamePaused(true);
    focusAtLastPoll = focus;
}

void drawPauseOverlay() {
    if (!paused)
        return;
    for (const HalfViewport &half :
         {leftHalf(windowWidth, windowHeight), rightHalf(windowWidth, windowHeight)})
        drawPauseBanner({half.x, 0, half.width, windowHeight}, "PRESS P TO PLAY ON");
}
