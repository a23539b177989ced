// main.cpp: the program entry: the options, the data folder, the window, start-up, the
// callbacks, the main loop.
#include "shell/data_folder.h"
#include "shell/game.h"
#include "shell/gamepads.h"
#include "shell/controls_file.h"
#include "shell/key_map.h"
#include "shell/options.h"

#include <GL/freeglut.h>

int main(int argc, char **argv) {
    // the game's own options first, so that --help needs no display
    int status = takeGameOptions(argc, argv);
    if (status >= 0)
        return status;
    // before any file is read, and before a display is needed to say that there is no data
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
    loadControlsFile();
    openGamepads();
    installKeyCallbacks();
    initGame();
    glutDisplayFunc(displayFrame);
    glutIdleFunc(paceFrames);
    glutReshapeFunc(reshapeWindow);
    glutMainLoop();
    return 0;
}
