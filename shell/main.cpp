// main.cpp: the program entry: the window, start-up, the callbacks, the main loop.
#include "shell/game.h"
#include "shell/key_map.h"

#include <GL/freeglut.h>

int main(int argc, char **argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutInitWindowPosition(-1, -1);
    glutCreateWindow("Pasturon");
    installKeyCallbacks();
    initGame();
    glutDisplayFunc(displayFrame);
    glutIdleFunc(paceFrames);
    glutReshapeFunc(reshapeWindow);
    glutMainLoop();
    return 0;
}
