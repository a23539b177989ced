// game.cpp: start-up and the three GLUT callbacks: display (the drawn frames, with the play
// ticks they carry), idle (the tick clock; the splash and title screens' keys) and reshape.
#include "shell/game.h"
#include "audio/catalogue.h"
#include "audio/sound.h"
#include "hud/hud.h"
#include "images/textures.h"
#include "models/kind_models.h"
#include "rules/kind_rules.h"
#include "shell/camera.h"
#include "shell/demo.h"
#include "shell/frame_blend.h"
#include "shell/gamepads.h"
#include "shell/key_map.h"
#include "shell/key_test.h"
#include "shell/net_round.h"
#include "shell/pause.h"
#include "shell/screen_flow.h"
#include "shell/title_menu.h"
#include "shell/view_layout.h"
#include "shell/volume.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cstdlib>
#include <unistd.h>

int windowWidth;
int windowHeight;

void initGame() {
    bindRuleKinds();
    bindModelKinds();
    loadSounds();
    createFonts("fonts/arial.ttf");
    setCameraDefaults();
    loadSplashTexture();
    loadTileTextures();
    loadSceneryTextures();
    loadCowTextures();
    if (!loadMap(GameMapPath))
        std::exit(1);
    glClearColor(0.6f, 0.8f, 1.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    startSound(Sound::SplashScreen);
}

namespace {

constexpr int HiddenWaitMs = 10; // idle sleep while GLUT holds back a frame asked for

bool playTicksDue; // the idle callback found ticks due in play: the next drawn frame runs them

// Read the keyboard's and the pads' state once for the ticks of this moment (a played demo
// takes its keys from the script instead).
void readInput() {
    if (demoPlaying())
        return;
    dropKeysLostWithFocus();
    pollGamepads();
}

// The keys of one tick: those of the splash or the title screen, then N and ESC (a played demo
// has only the keyboard's ESC); a demo hears when play starts or ends.
void screenKeys() {
    const bool wasPlaying = playing;
    if (!demoPlaying() && keyTestKeys())
        return; // the key test takes every key
    if (playing)
        pollViewKey();
    if (showSplash)
        splashKeys();
    else if (showTitle)
        titleKeys();
    if (!demoPlaying()) {
        pollNewGameKey();
        pollQuitKey();
        pollPauseKeys();
        pollVolumeKeys();
    }
    if (playing != wasPlaying) {
        playing ? demoPlayStarted() : demoPlayEnded();
        forgetTicks();
    }
}

} // namespace

void displayFrame() {
    const bool smooth = playing && smoothPace(); // every tick runs before a blended picture
    const int nowMs = glutGet(GLUT_ELAPSED_TIME);
    int ticks = 0;
    if (playing && playTicksDue)
        ticks = timedemo() ? 1 : takeDueTicks(nowMs, demoTicksBeforeDrawing());
    playTicksDue = false;
    if (ticks > 0)
        readInput();
    for (int i = smooth ? 0 : 1; i < ticks && roundRuns(); i++) { // classic: catching up undrawn
        smooth ? playTickBetweenPictures() : playTickUndrawn();
        screenKeys();
    }
    const bool ticked = !smooth && ticks > 0 && roundRuns(); // this frame's own tick
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (showSplash) {
        drawSplashImage();
        glViewport(0, 0, windowWidth, windowHeight);
    } else if (showTitle) {
        glViewport(0, 0, windowWidth, windowHeight);
        drawOverheadMap();
        drawTitleMenu();
    } else if (ticked) {
        playFrame();
    } else if (smooth && playing) {
        drawBetweenTicks(shareOfTick(nowMs));
    } else if (playing) {
        drawPlayScreen();
    }
    drawKeyTest(); // the overlays: each draws only when it is shown
    drawPauseOverlay();
    drawVolumeNote();
    screenChanged = false; // drawn; the keys below may change it again
    if (ticked)
        screenKeys();
    demoFrameDrawn(ticked || (smooth && ticks > 0));
    countFrame(glutGet(GLUT_ELAPSED_TIME));
    glutSwapBuffers();
    pictureDrawn();
}

void paceFrames() {
    const int longestWaitMs = serviceNetGame();
    if (playTicksDue) { // the frame asked for is not drawn yet (a hidden window): no spinning
        usleep(std::min(HiddenWaitMs, longestWaitMs) * 1000);
        return;
    }
    if (timedemo()) {
        playTicksDue = true;
        glutPostRedisplay();
        return;
    }
    if (roundRuns() && smoothPace()) { // a picture as soon as the rate allows; it takes the ticks
        const long waitUs = pictureWaitMicroseconds(smoothTimedemo());
        if (waitUs > 0) {
            usleep(static_cast<useconds_t>(waitUs));
            return;
        }
        playTicksDue = true;
        glutPostRedisplay();
        return;
    }
    const int nowMs = glutGet(GLUT_ELAPSED_TIME);
    int waitMs;
    if (!tickDue(nowMs, &waitMs)) {
        // sleep to the next tick, no spinning (a network game is serviced more often)
        usleep(static_cast<useconds_t>(std::min(waitMs, longestWaitMs)) * 1000);
        return;
    }
    if (roundRuns()) { // the frame drawn next runs the ticks
        playTicksDue = true;
        glutPostRedisplay();
        return;
    }
    // the splash, the title, the key test and a paused round: their keys every tick (the ticks
    // of a pause are spent, never caught up), a picture only when the screen changed
    const int ticks = takeDueTicks(nowMs, MaxTicksInARow);
    readInput();
    for (int i = 0; i < ticks && !roundRuns(); i++)
        screenKeys();
    if (screenChanged && !roundRuns())
        glutPostRedisplay();
}

void reshapeWindow(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}
