// draw_pending.cpp: models not written yet (the models work fills them).
#include "models/draw_handlers.h"

void drawProfileCow(int, int) {}
void drawQuadricCow(int, int) {}
void drawBarn(int, int) {}
void drawSilo(int, int) {}
void drawTree(int, int) {}
void drawFence(int, int) {}
void drawTallFence(int, int) {}
void drawRock(int, int) {}
void drawGateOfCow1(int, int) {}
void drawGateOfCow2(int, int) {}
void drawStrayObject(int, int) {}
void drawNothing(int, int) {}
void drawHomeBeacon(int, int) {}
void drawHayBale(int, int) {}
void drawGrowPill(int, int) {}
void drawHeadPill(int, int) {}
void drawSnailPill(int, int) {}
void drawSyringeItem(int, int) {}
