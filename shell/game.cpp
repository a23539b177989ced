// game.cpp: start-up and the three GLUT callbacks (display, idle, reshape).
#include "shell/game.h"
#include "audio/catalogue.h"
#include "audio/sound.h"
#include "hud/hud.h"
#include "images/textures.h"
#include "models/kind_models.h"
#include "rules/kind_rules.h"
#include "shell/camera.h"
#include "shell/gamepads.h"
#include "shell/key_map.h"
#include "shell/screen_flow.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/freeglut.h>
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

void displayFrame() {
    dropKeysLostWithFocus();
    pollGamepads();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (showSplash) {
        drawSplashImage();
        glViewport(0, 0, windowWidth, windowHeight);
        splashKeys();
    } else if (showTitle) {
        glViewport(0, 0, windowWidth, windowHeight);
        drawOverheadMap();
        titleKeys();
    } else if (playing) {
        playFrame();
    }
    pollNewGameKey();
    pollQuitKey();
    countFrame(glutGet(GLUT_ELAPSED_TIME));
    glutSwapBuffers();
}

void paceFrames() {
    int waitMs;
    if (redisplayDue(glutGet(GLUT_ELAPSED_TIME), &waitMs))
        glutPostRedisplay();
    else
        usleep(static_cast<useconds_t>(waitMs) * 1000); // sleep to the next deadline, no spinning
}

void reshapeWindow(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}
