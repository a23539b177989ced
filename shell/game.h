// game.h: start-up and the GLUT callbacks of the game window.
#pragma once

// --- Process lifetime ---
extern int windowWidth; // last size given to the reshape callback, pixels
extern int windowHeight;

void initGame();     // the start-up sequence, once, after the window exists
void displayFrame(); // GLUT display: draw the current screen (in play, with the ticks due)
// GLUT idle: the tick clock; a play frame per tick due, the splash's and title's keys per tick
// (a picture only when the screen changed); sleeps until the next tick.
void paceFrames();
void reshapeWindow(int width, int height); // GLUT reshape: remember the size
