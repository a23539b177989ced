// sound_list.h: the sound catalogue, written once. Each row: the source's identifier, its WAV
// file, whether it loops, the buffer it loads through, and the line written when it cannot be
// loaded (the OpenAL error code follows it). Rows are in load order. The audio code, the
// asset generator, the build's list of generated files and the tests all read this list.
#pragma once

// clang-format off
#define PASTURON_SOUNDS(SOUND) \
    SOUND(SplashScreen, "sounds/intro.wav", true, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,SplashScreen, \"sounds/intro.wav\"): ") \
    SOUND(Cow1Jump, "sounds/moo.wav", false, CowSoundBuffer, \
          "alSettingASource((CowSoundBuffer,Cow1Jump, \"sounds/moo.wav\"): ") \
    SOUND(Cow1BigJump, "sounds/moo_big.wav", false, CowSoundBuffer, \
          "alSettingASource((CowSoundBuffer,Cow1BigJump, \"sounds/moo_big.wav\"): ") \
    SOUND(Cow2JumpSoundSource, "sounds/moo3.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,Cow2JumpSoundSource, \"sounds/moo3.wav\"): ") \
    SOUND(Cow2BigJump, "sounds/moo3_big.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,Cow2BigJump, \"sounds/moo3_big.wav\"): ") \
    SOUND(CowChewSoundSource, "sounds/crushcan.wav", false, CowSoundBuffer, \
          "alSettingASource(CowChewSoundBuffer,CowChewSoundSource, \"sounds/crushcan.wav\"): ") \
    SOUND(CowSonarSoundSource, "sounds/sonar.wav", true, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowSonarSoundSource, \"sounds/sonar.wav\"): ") \
    SOUND(CowSplashSoundSource, "sounds/splash.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowSplashSoundSource, \"sounds/splash.wav\"): ") \
    SOUND(CowShrinkSoundSource, "sounds/powerdown.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowShrinkSoundSource, \"sounds/powerdown.wav\"): ") \
    SOUND(CowGrowSoundSource, "sounds/powerup.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowGrowSoundSource, \"sounds/powerup.wav\"): ") \
    SOUND(CowHBSoundSource, "sounds/headbutt2.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowHBSoundSource, \"sounds/headbutt2.wav\"): ") \
    SOUND(HayYAYSoundSource, "sounds/yay.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,HayYAYSoundSource, \"sounds/yay.wav\"): ") \
    SOUND(Ambient, "sounds/MorningLQ.wav", true, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,Ambient, \"sounds/MorningLQ.wav\"): ") \
    SOUND(ChainJingle, "sounds/gate_jingle.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,ChainJingle, \"sounds/gate_jingle.wav\"): ") \
    SOUND(SyringeBreak, "sounds/syringebreak2.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,SyringeBreak, \"sounds/syringebreak2.wav\"): ") \
    SOUND(GetOutoftheWater, "sounds/outofwater2.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,GetOutoftheWater, \"sounds/outofwater2.wav\"): ") \
    SOUND(InjectSyringe, "sounds/syringe.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,InjectSyringe, \"sounds/syringe.wav\"): ") \
    SOUND(SyringePickup, "sounds/pickup.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,SyringePickup, \"sounds/pickup.wav\"): ") \
    SOUND(OpenGate, "sounds/gate_open.wav", false, OpenGateSoundBuffer, \
          "alSettingASource(CowSoundBuffer,OpenGate, \"sounds/gate_open.wav\"): ") \
    SOUND(CloseGate, "sounds/gate_close.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CloseGate, \"sounds/gate_close.wav\"): ") \
    SOUND(GameStart, "sounds/StartRound.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,GameStart, \"sounds/StartRound.wav\"): ") \
    SOUND(CowFull, "sounds/cow_full.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,CowFull, \"sounds/cow_full.wav\"): ") \
    SOUND(HayStolen, "sounds/hay_stolen.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,HayStolen, \"sounds/hay_stolen.wav\"): ") \
    SOUND(Hit, "sounds/headbutt_hit.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,Hit, \"sounds/headbutt_hit.wav\"): ") \
    SOUND(GameWon, "sounds/win.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,GameWon, \"sounds/win.wav\"): ") \
    SOUND(Slowdown, "sounds/Slowdown.wav", false, CowSoundBuffer, \
          "alSettingASource(CowSoundBuffer,Slowdown, \"sounds/Slowdown.wav\"): ")
// clang-format on
