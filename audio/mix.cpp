// mix.cpp: the listener's gain and the pause of every source, through OpenAL.
#include "audio/mix.h"
#include "audio/device.h"
#include "audio/sources.h"

#include <vector>

namespace {
// --- Process lifetime ---
float gainInForce = 1;
std::vector<ALuint> pausedSources; // what pauseAllSounds paused, until resumeAllSounds
} // namespace

void setMasterGain(float gain) {
    gainInForce = gain < 0 ? 0 : gain > 1 ? 1 : gain;
    if (audioDeviceOpen())
        alListenerf(AL_GAIN, gainInForce);
}

float masterGain() {
    return gainInForce;
}

void pauseAllSounds() {
    if (!audioDeviceOpen())
        return;
    for (int i = 0; i < SoundCount; i++) {
        const ALuint source = soundSource(static_cast<Sound>(i));
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) {
            alSourcePause(source);
            pausedSources.push_back(source);
        }
    }
}

void resumeAllSounds() {
    for (ALuint source : pausedSources)
        alSourcePlay(source); // a paused source plays on from where it stopped
    pausedSources.clear();
}
