// sound.h: the sounds of the game by catalogue name, and the one layer that plays them.
// The rules start, resume and stop sounds only through these calls, so they never touch
// the audio device and run headless.
#pragma once

#include "audio/sound_list.h"

// Catalogue entries in load order (audio/sound_list.h).
enum class Sound {
#define PASTURON_SOUND_ENUM(id, file, loops, buffer, failure) id,
    PASTURON_SOUNDS(PASTURON_SOUND_ENUM)
#undef PASTURON_SOUND_ENUM
        Count
};

constexpr int SoundCount = static_cast<int>(Sound::Count);

// The catalogue identifier of a sound, e.g. "CowHBSoundSource" ("" outside the catalogue).
const char *soundName(Sound sound);
// The sound's file relative to the data folder, e.g. "sounds/headbutt2.wav" ("" outside).
const char *soundFile(Sound sound);
// True for the sounds whose sources loop (the splash music, the sonar, the ambience).
bool soundLoops(Sound sound);

enum class SoundAction { Play, Resume, Stop };

void startSound(Sound sound);  // play from the beginning (restarts a playing source)
void resumeSound(Sound sound); // pause then play: a playing source runs on
void stopSound(Sound sound);   // stop the source

// Called with every action before it reaches the device (the replay tool records them).
extern void (*soundActionHook)(SoundAction action, Sound sound);

// What carries the actions to a sound device: installed by the audio start-up once the device
// is open. Without one (headless programs, a machine with no device) the actions reach only the
// hook.
struct SoundBackend {
    void (*play)(Sound sound);   // restart
    void (*resume)(Sound sound); // pause, then play
    void (*stop)(Sound sound);
};
void setSoundBackend(const SoundBackend *backend); // null: no device
const SoundBackend *soundBackend();                // the one in force, null when none
