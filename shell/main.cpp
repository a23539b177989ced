// main.cpp: the program entry: the options, the data folder, the window, start-up, the
// callbacks, the main loop.
#include "shell/data_folder.h"
#include "shell/game.h"
#include "shell/demo.h"
#include "shell/detail.h"
#include "shell/frame_blend.h"
#include "shell/gamepads.h"
#include "shell/controls_file.h"
#include "shell/key_map.h"
#include "shell/key_test.h"
#include "shell/net_round.h"
#include "shell/options.h"
#include "shell/settings.h"

#include <GL/freeglut.h>

int main(int argc, char **argv) {
    // the game's own options first, so that --help needs no display
    int status = takeGameOptions(argc, argv);
    if (status >= 0)
        return status;
    loadSettingsFile(); // the volume (--volume wins)
    status = prepareDemo();
    if (status < 0)
        status = checkNetOptions();
    if (status >= 0)
        return status;
    // the demo files above stay relative to the folder the game was started in; the game data
    // is found before any of it is read, and before a display is needed to say it is missing
    status = enterGameDataFolder();
    if (status >= 0)
        return status;
    glutInit(&argc, argv);
    status = refuseLeftoverArguments(argc, argv);
    if (status >= 0)
        return status;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutInitWindowPosition(-1, -1);
    glutCreateWindow("Pasturon");
    if (fullscreenAtStart)
        glutFullScreen();
    if (!demoPlaying()) { // a played demo holds action codes: the same on every machine
        loadControlsFile();
        openGamepads();
    }
    startPicturePacing();
    installKeyCallbacks();
    initGame();
    setDetail(currentDetail()); // the texture filters of --detail
    startKeyTest();
    startDemo();
    startNetGame();
    glutDisplayFunc(displayFrame);
    glutIdleFunc(paceFrames);
    glutReshapeFunc(reshapeWindow);
    glutMainLoop();
    return 0;
}
