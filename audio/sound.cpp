// sound.cpp: sound names and the start / resume / stop layer.
#include "audio/sound.h"

void (*soundActionHook)(SoundAction action, Sound sound);

const char *soundName(Sound sound) {
    static const char *const names[SoundCount] = {
        "SplashScreen",        "Cow1Jump",          "Cow1BigJump",       "Cow2JumpSoundSource",
        "Cow2BigJump",         "CowChewSoundSource", "CowSonarSoundSource",
        "CowSplashSoundSource", "CowShrinkSoundSource", "CowGrowSoundSource", "CowHBSoundSource",
        "HayYAYSoundSource",   "Ambient",           "ChainJingle",       "SyringeBreak",
        "GetOutoftheWater",    "InjectSyringe",     "SyringePickup",     "OpenGate",
        "CloseGate",           "GameStart",         "CowFull",           "HayStolen",
        "Hit",                 "GameWon",           "Slowdown"};
    int i = static_cast<int>(sound);
    return i >= 0 && i < SoundCount ? names[i] : "";
}

void startSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Play, sound);
}

void resumeSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Resume, sound);
}

void stopSound(Sound sound) {
    if (soundActionHook)
        soundActionHook(SoundAction::Stop, sound);
}
