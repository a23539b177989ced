// mix.h: the whole of the game's sound at once: the master volume (the listener's gain) and a
// pause that holds every playing source where it is.
#pragma once

// The master gain, 0 (silent) to 1 (the sounds as made). Kept when no device is open yet: the
// audio start-up applies it.
void setMasterGain(float gain);
float masterGain();
void pauseAllSounds();  // every playing source pauses where it is
void resumeAllSounds(); // the sources pauseAllSounds paused play on from there
