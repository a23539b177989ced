// device.cpp: opening the audio device and loading WAV files into OpenAL buffers.
#include "audio/device.h"

#include <AL/alut.h>
#include <cstdlib>

namespace {
bool deviceOpen; // process lifetime: set once at start-up

// The device lives until the process ends; closing it then keeps OpenAL Soft from
// reporting an unclosed device on standard error at every exit.
void closeAudioDevice() {
    alutExit();
}
} // namespace

ALenum openAudioDevice() {
    deviceOpen = alutInit(nullptr, nullptr) == AL_TRUE;
    if (deviceOpen)
        std::atexit(closeAudioDevice);
    return alGetError();
}

bool audioDeviceOpen() {
    return deviceOpen;
}

void alSettingASource(ALuint *buffer, ALuint *source, const char *fileName) {
    alGenBuffers(1, buffer);
    alGenSources(1, source);
    // a file that cannot be read leaves all but the data untouched: start from an empty
    // upload so OpenAL judges that, never stale values
    ALenum format = 0;
    ALvoid *data = nullptr;
    ALsizei size = 0;
    ALsizei frequency = 0;
    ALboolean loop = AL_FALSE; // the catalogue decides which sources loop, not the file
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // ALUT takes the name as non-const signed chars and only reads it
    ALbyte *name = reinterpret_cast<ALbyte *>(const_cast<char *>(fileName));
    alutLoadWAVFile(name, &format, &data, &size, &frequency, &loop);
    alBufferData(*buffer, format, data, size, frequency);
    alutUnloadWAV(format, data, size, frequency);
#pragma GCC diagnostic pop
    alSourcei(*source, AL_BUFFER, static_cast<ALint>(*buffer));
}

void setListenerPosition(float x, float y, float z) {
    alListener3f(AL_POSITION, x, y, z);
}
