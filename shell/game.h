// game.h: start-up and the GLUT callbacks of the game window.
#pragma once

// --- Process lifetime ---
extern int windowWidth; // last size given to the reshape callback, pixels
extern int windowHeight;

void initGame();                           // the start-up sequence, once, after the window exists
void displayFrame();                       // GLUT display: draw the current screen, poll keys
void paceFrames();                         // GLUT idle: a redisplay per 50 ms and more
void reshapeWindow(int width, int height); // GLUT reshape: remember the size
