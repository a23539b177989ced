// sound.h: the sounds of the game by catalogue name, and the one layer that plays them.
// The rules start, resume and stop sounds only through these calls, so they never touch
// the audio device and run headless.
#pragma once

// Catalogue entries in load order.
enum class Sound {
    SplashScreen,         // intro.wav, loops
    Cow1Jump,             // moo.wav
    Cow1BigJump,          // moo_big.wav
    Cow2JumpSoundSource,  // moo3.wav
    Cow2BigJump,          // moo3_big.wav
    CowChewSoundSource,   // crushcan.wav
    CowSonarSoundSource,  // sonar.wav, loops
    CowSplashSoundSource, // splash.wav
    CowShrinkSoundSource, // powerdown.wav
    CowGrowSoundSource,   // powerup.wav
    CowHBSoundSource,     // headbutt2.wav
    HayYAYSoundSource,    // yay.wav
    Ambient,              // MorningLQ.wav, loops
    ChainJingle,          // gate_jingle.wav
    SyringeBreak,         // syringebreak2.wav
    GetOutoftheWater,     // outofwater2.wav
    InjectSyringe,        // syringe.wav
    SyringePickup,        // pickup.wav
    OpenGate,             // gate_open.wav
    CloseGate,            // gate_close.wav
    GameStart,            // StartRound.wav
    CowFull,              // cow_full.wav
    HayStolen,            // hay_stolen.wav
    Hit,                  // headbutt_hit.wav
    GameWon,              // win.wav
    Slowdown,             // Slowdown.wav
    Count
};

constexpr int SoundCount = static_cast<int>(Sound::Count);

// The catalogue identifier of a sound, e.g. "CowHBSoundSource".
const char *soundName(Sound sound);

enum class SoundAction { Play, Resume, Stop };

void startSound(Sound sound);  // play from the beginning (restarts a playing source)
void resumeSound(Sound sound); // pause then play: a playing source runs on
void stopSound(Sound sound);   // stop the source

// Called with every action before it reaches the device (the replay tool records them).
extern void (*soundActionHook)(SoundAction action, Sound sound);
