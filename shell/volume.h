// volume.h: the master volume: '-' and '=' (or '+') step it, M mutes and unmutes, --volume N
// sets it for a run; settings.conf keeps the level and the mute.
#pragma once

#include <string>

constexpr int VK_Mute = 'M';
constexpr int MaxVolume = 100;
constexpr int VolumeStep = 10;      // of MaxVolume, per press
constexpr int VolumeNoteTicks = 30; // ticks (1.5 s) the volume stays on screen after a change

// --- Process lifetime ---
int soundVolume(); // 0..100; the gain of the mix is soundVolume() / 100 unless muted
bool soundMuted();

// --volume N (0..100): the level of this run, unmuted; the settings file's level and mute give
// way to it.
bool takeVolumeOption(const char *value, std::string &error);
// settings.conf's lines "volume = 0..100" and "muted = yes|no", both ways.
bool takeVolumeSetting(const std::string &value, std::string &reason);
std::string volumeSetting();
bool takeMutedSetting(const std::string &value, std::string &reason);
std::string mutedSetting();

// Once per tick (not while a demo plays): '-' and '=' step the volume, M mutes and unmutes. A
// change is heard at once, shown for a moment and saved into settings.conf.
void pollVolumeKeys();
void drawVolumeNote(); // the level, or MUTED, over the window while it is shown
