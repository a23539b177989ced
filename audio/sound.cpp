// sound.cpp: sound names and the start / resume / stop layer, the only OpenAL calls after
// start-up. Without an audio device every call still reaches the hook but plays nothing.
#include "audio/sound.h"
#include "audio/device.h"
#include "audio/sources.h"

void (*soundActionHook)(SoundAction action, Sound sound);

const char *soundName(Sound sound) {
    static const char *const names[SoundCount] = {"SplashScreen",
                                                  "Cow1Jump",
                                                  "Cow1BigJump",
                                                  "Cow2JumpSoundSource",
                                                  "Cow2BigJump",
                                                  "CowChewSoundSource",
                                                  "CowSonarSoundSource",
                                                  "CowSplashSoundSource",
                                                  "CowShrinkSoundSource",
                                                  "CowGrowSoundSource",
                                                  "CowHBSoundSource",
                                                  "HayYAYSoundSource",
                                                  "Ambient",
                                                  "ChainJingle",
                                                  "SyringeBreak",
                                                  "GetOutoftheWater",
                                                  "InjectSyringe",
                                                  "SyringePickup",
                                                  "OpenGate",
                                                  "CloseGate",
                                                  "GameStart",
                                                  "CowFull",
                                                  "HayStolen",
                                                  "Hit",
                                                  "GameWon",
                                                  "Slowdown"};
    int i = static_cast<int>(sound);
    return i >= 0 && i < SoundCount ? names[i] : "";
}

void startSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Play, sound);
    if (audioDeviceOpen())
        alSourcePlay(soundSource(sound));
}

void resumeSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Resume, sound);
    if (audioDeviceOpen()) {
        alSourcePause(soundSource(sound));
        alSourcePlay(soundSource(sound));
    }
}

void stopSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Stop, sound);
    if (audioDeviceOpen())
        alSourceStop(soundSource(sound));
}
