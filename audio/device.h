// device.h: the audio device and WAV loading through ALUT, used only by the sound catalogue
// at start-up.
#pragma once

#include <AL/al.h>

// Open the default device, make a context current on it (alutInit with no arguments) and
// return the OpenAL error pending right after.
ALenum openAudioDevice();

// False until openAudioDevice has opened a device; stays false on a machine without one,
// and then the game runs silent.
bool audioDeviceOpen();

// Generate one buffer into *buffer and one source into *source, load the WAV file into the
// buffer and attach it to the source. Reports nothing: the caller reads alGetError.
void alSettingASource(ALuint *buffer, ALuint *source, const char *fileName);

// Place the listener (world units).
void setListenerPosition(float x, float y, float z);
