// sources.h: the OpenAL buffer and source names of the sound catalogue.
#pragma once

#include "audio/sound.h"

#include <AL/al.h>

// --- Process lifetime: made once by loadSounds, never deleted; 0 until then ---
extern ALuint CowSoundBuffer;      // every entry's buffer but the gate-open one; holds the last
extern ALuint OpenGateSoundBuffer; // the gate-open entry's own buffer

// One source per catalogue entry, named by its identifier (SplashScreen, Cow1Jump, ...).
#define PASTURON_SOUND_SOURCE(id, file, loops, buffer, failure) extern ALuint id;
PASTURON_SOUNDS(PASTURON_SOUND_SOURCE)
#undef PASTURON_SOUND_SOURCE

// The OpenAL source that plays `sound` (0 before the catalogue has run).
ALuint soundSource(Sound sound);
