// catalogue.h: audio start-up: the device and the 26 sound sources.
#pragma once

void loadSounds(); // open the device and load every catalogue entry; ends the program on failure
