// update_pending.cpp: rule handlers not written yet (the world work fills them).
#include "rules/handlers.h"

void placeSiloMarkers(int, int) {}
void placeBarnMarkers(int, int) {}
void placeRingMarkers(int, int) {}
