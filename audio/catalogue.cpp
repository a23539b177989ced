// catalogue.cpp: the sound sources of the catalogue, loaded once at start-up from "sounds/",
// and the OpenAL back end that plays them.
#include "audio/catalogue.h"
#include "audio/device.h"
#include "audio/mix.h"
#include "audio/sources.h"

#include <cstdio>
#include <cstdlib>

ALuint CowSoundBuffer;
ALuint OpenGateSoundBuffer;

#define PASTURON_SOUND_SOURCE(id, file, loops, buffer, failure) ALuint id;
PASTURON_SOUNDS(PASTURON_SOUND_SOURCE)
#undef PASTURON_SOUND_SOURCE

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
#define PASTURON_SOUND_ENTRY(id, file, loops, buffer, failure) {&buffer, &id, file, failure},
    PASTURON_SOUNDS(PASTURON_SOUND_ENTRY)
#undef PASTURON_SOUND_ENTRY
};
static_assert(sizeof Catalogue / sizeof Catalogue[0] == SoundCount, "one catalogue row per Sound");

void playSource(Sound sound) {
    alSourcePlay(soundSource(sound));
}

void resumeSource(Sound sound) {
    alSourcePause(soundSource(sound));
    alSourcePlay(soundSource(sound));
}

void stopSource(Sound sound) {
    alSourceStop(soundSource(sound));
}

const SoundBackend OpenAlBackend = {playSource, resumeSource, stopSource};

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
    for (int i = 0; i < SoundCount; i++)
        if (soundLoops(static_cast<Sound>(i)))
            alSourcei(*Catalogue[i].source, AL_LOOPING, AL_TRUE);
    setListenerPosition(0, 0, 0);
    setMasterGain(masterGain()); // a volume set before the device opened
    setSoundBackend(&OpenAlBackend);
}
