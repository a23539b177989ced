// catalogue.cpp: the 26 sound sources, loaded once at start-up from "sounds/".
#include "audio/catalogue.h"
#include "audio/device.h"
#include "audio/sources.h"

#include <cstdio>
#include <cstdlib>

ALuint CowSoundBuffer;
ALuint OpenGateSoundBuffer;

ALuint SplashScreen, Cow1Jump, Cow1BigJump, Cow2JumpSoundSource, Cow2BigJump, CowChewSoundSource,
    CowSonarSoundSource, CowSplashSoundSource, CowShrinkSoundSource, CowGrowSoundSource,
    CowHBSoundSource, HayYAYSoundSource, Ambient, ChainJingle, SyringeBreak, GetOutoftheWater,
    InjectSyringe, SyringePickup, OpenGate, CloseGate, GameStart, CowFull, HayStolen, Hit, GameWon,
    Slowdown;

namespace {

// One catalogue row: where its names go, its file, and the line written when it fails.
struct CatalogueEntry {
    ALuint *buffer;
    ALuint *source;
    const char *fileName;
    const char *failureText; // followed directly by the OpenAL error code
};

// In load order, which is the order of the Sound enum.
const CatalogueEntry Catalogue[] = {
    {&CowSoundBuffer, &SplashScreen, "sounds/intro.wav",
     "alSettingASource(CowSoundBuffer,SplashScreen, \"sounds/intro.wav\"): "},
    {&CowSoundBuffer, &Cow1Jump, "sounds/moo.wav",
     "alSettingASource((CowSoundBuffer,Cow1Jump, \"sounds/moo.wav\"): "},
    {&CowSoundBuffer, &Cow1BigJump, "sounds/moo_big.wav",
     "alSettingASource((CowSoundBuffer,Cow1BigJump, \"sounds/moo_big.wav\"): "},
    {&CowSoundBuffer, &Cow2JumpSoundSource, "sounds/moo3.wav",
     "alSettingASource(CowSoundBuffer,Cow2JumpSoundSource, \"sounds/moo3.wav\"): "},
    {&CowSoundBuffer, &Cow2BigJump, "sounds/moo3_big.wav",
     "alSettingASource(CowSoundBuffer,Cow2BigJump, \"sounds/moo3_big.wav\"): "},
    {&CowSoundBuffer, &CowChewSoundSource, "sounds/crushcan.wav",
     "alSettingASource(CowChewSoundBuffer,CowChewSoundSource, \"sounds/crushcan.wav\"): "},
    {&CowSoundBuffer, &CowSonarSoundSource, "sounds/sonar.wav",
     "alSettingASource(CowSoundBuffer,CowSonarSoundSource, \"sounds/sonar.wav\"): "},
    {&CowSoundBuffer, &CowSplashSoundSource, "sounds/splash.wav",
     "alSettingASource(CowSoundBuffer,CowSplashSoundSource, \"sounds/splash.wav\"): "},
    {&CowSoundBuffer, &CowShrinkSoundSource, "sounds/powerdown.wav",
     "alSettingASource(CowSoundBuffer,CowShrinkSoundSource, \"sounds/powerdown.wav\"): "},
    {&CowSoundBuffer, &CowGrowSoundSource, "sounds/powerup.wav",
     "alSettingASource(CowSoundBuffer,CowGrowSoundSource, \"sounds/powerup.wav\"): "},
    {&CowSoundBuffer, &CowHBSoundSource, "sounds/headbutt2.wav",
     "alSettingASource(CowSoundBuffer,CowHBSoundSource, \"sounds/headbutt2.wav\"): "},
    {&CowSoundBuffer, &HayYAYSoundSource, "sounds/yay.wav",
     "alSettingASource(CowSoundBuffer,HayYAYSoundSource, \"sounds/yay.wav\"): "},
    {&CowSoundBuffer, &Ambient, "sounds/MorningLQ.wav",
     "alSettingASource(CowSoundBuffer,Ambient, \"sounds/MorningLQ.wav\"): "},
    {&CowSoundBuffer, &ChainJingle, "sounds/gate_jingle.wav",
     "alSettingASource(CowSoundBuffer,ChainJingle, \"sounds/gate_jingle.wav\"): "},
    {&CowSoundBuffer, &SyringeBreak, "sounds/syringebreak2.wav",
     "alSettingASource(CowSoundBuffer,SyringeBreak, \"sounds/syringebreak2.wav\"): "},
    {&CowSoundBuffer, &GetOutoftheWater, "sounds/outofwater2.wav",
     "alSettingASource(CowSoundBuffer,GetOutoftheWater, \"sounds/outofwater2.wav\"): "},
    {&CowSoundBuffer, &InjectSyringe, "sounds/syringe.wav",
     "alSettingASource(CowSoundBuffer,InjectSyringe, \"sounds/syringe.wav\"): "},
    {&CowSoundBuffer, &SyringePickup, "sounds/pickup.wav",
     "alSettingASource(CowSoundBuffer,SyringePickup, \"sounds/pickup.wav\"): "},
    {&OpenGateSoundBuffer, &OpenGate, "sounds/gate_open.wav",
     "alSettingASource(CowSoundBuffer,OpenGate, \"sounds/gate_open.wav\"): "},
    {&CowSoundBuffer, &CloseGate, "sounds/gate_close.wav",
     "alSettingASource(CowSoundBuffer,CloseGate, \"sounds/gate_close.wav\"): "},
    {&CowSoundBuffer, &GameStart, "sounds/StartRound.wav",
     "alSettingASource(CowSoundBuffer,GameStart, \"sounds/StartRound.wav\"): "},
    {&CowSoundBuffer, &CowFull, "sounds/cow_full.wav",
     "alSettingASource(CowSoundBuffer,CowFull, \"sounds/cow_full.wav\"): "},
    {&CowSoundBuffer, &HayStolen, "sounds/hay_stolen.wav",
     "alSettingASource(CowSoundBuffer,HayStolen, \"sounds/hay_stolen.wav\"): "},
    {&CowSoundBuffer, &Hit, "sounds/headbutt_hit.wav",
     "alSettingASource(CowSoundBuffer,Hit, \"sounds/headbutt_hit.wav\"): "},
    {&CowSoundBuffer, &GameWon, "sounds/win.wav",
     "alSettingASource(CowSoundBuffer,GameWon, \"sounds/win.wav\"): "},
    {&CowSoundBuffer, &Slowdown, "sounds/Slowdown.wav",
     "alSettingASource(CowSoundBuffer,Slowdown, \"sounds/Slowdown.wav\"): "},
};
static_assert(sizeof Catalogue / sizeof Catalogue[0] == SoundCount, "one catalogue row per Sound");

} // namespace

ALuint soundSource(Sound sound) {
    int i = static_cast<int>(sound);
    return i >= 0 && i < SoundCount ? *Catalogue[i].source : 0;
}

void loadSounds() {
    alGetError();
    openAudioDevice();
    if (!audioDeviceOpen()) {
        std::fprintf(stderr, "No audio device found: the game runs without sound.\n");
        return;
    }
    for (const CatalogueEntry &entry : Catalogue) {
        alSettingASource(entry.buffer, entry.source, entry.fileName);
        ALenum error = alGetError();
        if (error != AL_NO_ERROR) {
            std::fflush(stdout);
            std::printf("%s%d", entry.failureText, error);
            std::exit(-1);
        }
    }
    alSourcei(CowSonarSoundSource, AL_LOOPING, AL_TRUE);
    alSourcei(Ambient, AL_LOOPING, AL_TRUE);
    alSourcei(SplashScreen, AL_LOOPING, AL_TRUE);
    setListenerPosition(0, 0, 0);
}
