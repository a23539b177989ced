// sources.h: the OpenAL buffer and source names of the sound catalogue.
#pragma once

#include "audio/sound.h"

#include <AL/al.h>

// --- Process lifetime: made once by loadSounds, never deleted; 0 until then ---
extern ALuint CowSoundBuffer;      // every entry's buffer but the gate-open one; holds the last
extern ALuint OpenGateSoundBuffer; // the gate-open entry's own buffer

// One source per catalogue entry, in load order.
extern ALuint SplashScreen, Cow1Jump, Cow1BigJump, Cow2JumpSoundSource, Cow2BigJump,
    CowChewSoundSource, CowSonarSoundSource, CowSplashSoundSource, CowShrinkSoundSource,
    CowGrowSoundSource, CowHBSoundSource, HayYAYSoundSource, Ambient, ChainJingle, SyringeBreak,
    GetOutoftheWater, InjectSyringe, SyringePickup, OpenGate, CloseGate, GameStart, CowFull,
    HayStolen, Hit, GameWon, Slowdown;

// The OpenAL source that plays `sound` (0 before the catalogue has run).
ALuint soundSource(Sound sound);
