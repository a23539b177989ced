// catalogue.h: audio start-up: the device and the 26 sound sources.
#pragma once

// Open the device and load every catalogue entry from "sounds/" (relative to the working
// directory). An entry that leaves an OpenAL error ends the program with its failure line;
// without any audio device one line goes to standard error and the game runs silent.
void loadSounds();
