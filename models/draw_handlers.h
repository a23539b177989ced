// draw_handlers.h: the model of every object kind, as the object pass calls it
// (matrix at the cell centre, ground level). Plain declarations, no GL.
#pragma once

// cows (ignore the cell; draw cow1 / cow2 at their own position)
void drawProfileCow(int column, int row);
void drawQuadricCow(int column, int row);
// scenery
void drawBarn(int column, int row);
void drawSilo(int column, int row);
void drawTree(int column, int row);
void drawFence(int column, int row);
void drawTallFence(int column, int row);
void drawRock(int column, int row);
void drawGateOfCow1(int column, int row);
void drawGateOfCow2(int column, int row);
void drawStrayObject(int column, int row);
void drawNothing(int column, int row);
void drawHomeBeacon(double height); // at the corner of a home cell; as tall as the camera is far
// items
void drawHayBale(int column, int row);
void drawGrowPill(int column, int row);
void drawHeadPill(int column, int row);
void drawSnailPill(int column, int row);
void drawSyringeItem(int column, int row);

// The box a model drawn by `handler` stays inside, in the handler's coordinates (cell centre
// on the ground, cells); null for a handler without one (always drawn).
struct ModelBox {
    float lowest[3], highest[3];
};
const ModelBox *modelBoxOf(void (*handler)(int, int));
