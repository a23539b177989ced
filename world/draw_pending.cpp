// draw_pending.cpp: world drawing passes (not written yet: the drawing work fills them).
#include "world/draw_passes.h"

float spinAngle;
float itemSpinAngle;

void drawTerrainPass(const Cow *) {}
void drawObjectPass(const Cow *) {}
void drawHomeBeacons() {}
void drawOverheadMap() {}
void drawSplashImage() {}
