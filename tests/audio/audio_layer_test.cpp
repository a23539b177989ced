// audio_layer_test.cpp: the loaded catalogue and the start / resume / stop layer, on OpenAL
// Soft's null device (it mixes in real time, so playback offsets advance).
#include "audio/catalogue.h"
#include "audio/device.h"
#include "audio/sources.h"
#include "sound_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>
#include <unistd.h>

namespace {

constexpr double ToneSeconds = 3.0;
constexpr int ToneRate = 22050; // samples per second

std::string folder;

ALint sourceInt(ALuint source, ALenum property) {
    ALint value = 0;
    alGetSourcei(source, property, &value);
    return value;
}

// Wait (up to 2 s) until the source has played past `samples`; returns its offset then.
ALint playPast(ALuint source, ALint samples) {
    ALint offset = 0;
    for (int i = 0; i < 200 && offset <= samples; i++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        offset = sourceInt(source, AL_SAMPLE_OFFSET);
    }
    return offset;
}

class AudioLayer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder = makeSoundFolder(ToneSeconds);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        loadSounds();
    }
    static void TearDownTestSuite() { removeSoundFolder(folder); }
    void TearDown() override {
        for (int i = 0; i < SoundCount; i++)
            alSourceStop(soundSource(static_cast<Sound>(i)));
    }
};

TEST_F(AudioLayer, CatalogueMakesOneSourceAndBufferPerEntry) {
    ASSERT_TRUE(audioDeviceOpen());
    std::set<ALuint> sources, buffers;
    for (int i = 0; i < SoundCount; i++) {
        ALuint source = soundSource(static_cast<Sound>(i));
        ASSERT_TRUE(alIsSource(source)) << soundName(static_cast<Sound>(i));
        sources.insert(source);
        ALuint buffer = static_cast<ALuint>(sourceInt(source, AL_BUFFER));
        ALint size = 0;
        alGetBufferi(buffer, AL_SIZE, &size);
        EXPECT_GT(size, 0) << soundName(static_cast<Sound>(i)) << " has no samples";
        buffers.insert(buffer);
    }
    EXPECT_EQ(sources.size(), static_cast<size_t>(SoundCount));
    EXPECT_EQ(buffers.size(), static_cast<size_t>(SoundCount));
    // the shared buffer variable ends on the last entry; the gate-open entry kept its own
    EXPECT_EQ(CowSoundBuffer, static_cast<ALuint>(sourceInt(Slowdown, AL_BUFFER)));
    EXPECT_EQ(OpenGateSoundBuffer, static_cast<ALuint>(sourceInt(OpenGate, AL_BUFFER)));
    EXPECT_EQ(soundSource(Sound::CowHBSoundSource), CowHBSoundSource);
    EXPECT_EQ(soundSource(Sound::Slowdown), Slowdown);
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST_F(AudioLayer, OnlyTheThreeBackgroundSourcesLoop) {
    for (int i = 0; i < SoundCount; i++) {
        Sound sound = static_cast<Sound>(i);
        bool loops = sound == Sound::SplashScreen || sound == Sound::CowSonarSoundSource ||
                     sound == Sound::Ambient;
        EXPECT_EQ(sourceInt(soundSource(sound), AL_LOOPING), loops ? AL_TRUE : AL_FALSE)
            << soundName(sound);
    }
}

TEST_F(AudioLayer, ResumeRunsOnWhereStartRestarts) {
    ALuint source = CowHBSoundSource;
    startSound(Sound::CowHBSoundSource);
    ALint played = playPast(source, ToneRate / 4);
    ASSERT_GT(played, ToneRate / 4) << "the null device did not play";

    resumeSound(Sound::CowHBSoundSource);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_GE(sourceInt(source, AL_SAMPLE_OFFSET), played);

    startSound(Sound::CowHBSoundSource);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_LT(sourceInt(source, AL_SAMPLE_OFFSET), played);
}

TEST_F(AudioLayer, StopEndsASourceAndResumeThenStartsItFromTheBeginning) {
    ALuint source = ChainJingle;
    resumeSound(Sound::ChainJingle); // never played: starts
    EXPECT_EQ(sourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    ALint played = playPast(source, ToneRate / 4);
    ASSERT_GT(played, ToneRate / 4);

    stopSound(Sound::ChainJingle);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_STATE), AL_STOPPED);
    resumeSound(Sound::ChainJingle);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_LT(sourceInt(source, AL_SAMPLE_OFFSET), played);
}

} // namespace
