// sound.cpp: the catalogue's names and files, and the start / resume / stop layer that hands
// each action to the hook and to the sound device's back end, if there is one.
#include "audio/sound.h"

void (*soundActionHook)(SoundAction action, Sound sound);

namespace {

// The catalogue's columns that need no device.
struct SoundRow {
    const char *name;
    const char *file;
    bool loops;
};
constexpr SoundRow SoundRows[] = {
#define PASTURON_SOUND_ROW(id, file, loops, buffer, failure) {#id, file, loops},
    PASTURON_SOUNDS(PASTURON_SOUND_ROW)
#undef PASTURON_SOUND_ROW
};
static_assert(sizeof SoundRows / sizeof SoundRows[0] == SoundCount, "one row per Sound");

const SoundBackend *backend; // process lifetime: set once the audio device is open

const SoundRow *rowOf(Sound sound) {
    int i = static_cast<int>(sound);
    return i >= 0 && i < SoundCount ? &SoundRows[i] : nullptr;
}

// Tell the hook, then the device.
void act(SoundAction action, Sound sound, void (*SoundBackend::*call)(Sound)) {
    if (soundActionHook)
        soundActionHook(action, sound);
    if (backend)
        (backend->*call)(sound);
}

} // namespace

const char *soundName(Sound sound) {
    const SoundRow *row = rowOf(sound);
    return row ? row->name : "";
}

const char *soundFile(Sound sound) {
    const SoundRow *row = rowOf(sound);
    return row ? row->file : "";
}

bool soundLoops(Sound sound) {
    const SoundRow *row = rowOf(sound);
    return row && row->loops;
}

void startSound(Sound sound) {
    act(SoundAction::Play, sound, &SoundBackend::play);
}

void resumeSound(Sound sound) {
    act(SoundAction::Resume, sound, &SoundBackend::resume);
}

void stopSound(Sound sound) {
    act(SoundAction::Stop, sound, &SoundBackend::stop);
}

void setSoundBackend(const SoundBackend *newBackend) {
    backend = newBackend;
}

const SoundBackend *soundBackend() {
    return backend;
}
