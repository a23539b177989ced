// catalogue.cpp: audio start-up (not written yet: the audio work fills it).
#include "audio/catalogue.h"

void loadSounds() {}
