// audio_startup_test.cpp: what start-up of the sound catalogue writes and how it ends: a
// clean load, an entry that fails, and a machine without an audio device. Each case runs in
// a child process (the device can be opened only once per process).
#include "audio/catalogue.h"
#include "audio/device.h"
#include "audio/sources.h"
#include "sound_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string readFile(const std::string &path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of test sounds; the child runs in it and writes its output to out.txt and
// err.txt there.
class AudioStartup : public ::testing::Test {
  protected:
    void SetUp() override { folder = makeSoundFolder(0.2); }
    void TearDown() override { removeSoundFolder(folder); }
    // In the child: work in the folder and send both streams to files.
    void enterChild() const {
        if (chdir(folder.c_str()) != 0 || !std::freopen("out.txt", "w", stdout) ||
            !std::freopen("err.txt", "w", stderr))
            _exit(100);
    }
    std::string out() const { return readFile(folder + "/out.txt"); }
    std::string err() const { return readFile(folder + "/err.txt"); }
    std::string folder;
};

// Sources made so far, written to standard error as the child exits.
void reportSourcesMade() {
    int made = 0;
    for (int i = 0; i < SoundCount; i++)
        made += soundSource(static_cast<Sound>(i)) != 0;
    std::fprintf(stderr, "sources made: %d\n", made);
}

TEST_F(AudioStartup, ACompleteLoadAndExitWriteNothing) {
    EXPECT_EXIT(
        {
            enterChild();
            loadSounds();
            std::exit(audioDeviceOpen() ? 0 : 1); // the whole way out, device closing included
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(err(), "");
}

TEST_F(AudioStartup, AnEntryThatIsNotAWaveFileEndsStartUpWithItsLine) {
    spoilSoundFile(folder, "MorningLQ.wav"); // row 13
    EXPECT_EXIT(
        {
            enterChild();
            std::atexit(reportSourcesMade);
            loadSounds();
            _exit(0);
        },
        ::testing::ExitedWithCode(255), "");
    // the empty upload is refused (AL_INVALID_VALUE); no newline follows the code
    EXPECT_EQ(out(), "alSettingASource(CowSoundBuffer,Ambient, \"sounds/MorningLQ.wav\"): 40963");
    // rows after the failing one are not attempted, and nothing else reaches standard error
    EXPECT_EQ(err(), "sources made: 13\n");
}

TEST_F(AudioStartup, AMissingFileEndsStartUpTheSameWay) {
    std::remove((folder + "/sounds/yay.wav").c_str()); // row 12
    EXPECT_EXIT(
        {
            enterChild();
            loadSounds();
            _exit(0);
        },
        ::testing::ExitedWithCode(255), "");
    EXPECT_EQ(out(),
              "alSettingASource(CowSoundBuffer,HayYAYSoundSource, \"sounds/yay.wav\"): 40963");
}

std::vector<std::pair<SoundAction, Sound>> hookCalls;
void recordAction(SoundAction action, Sound sound) {
    hookCalls.emplace_back(action, sound);
}

TEST_F(AudioStartup, WithoutADeviceTheGameRunsSilent) {
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
            enterChild();
            soundActionHook = recordAction;
            loadSounds();
            startSound(Sound::SplashScreen);
            resumeSound(Sound::ChainJingle);
            stopSound(Sound::SplashScreen);
            std::fflush(stdout);
            std::fflush(stderr);
            // nothing was made and nothing reached OpenAL, but the replay hook saw all three
            bool silent = !audioDeviceOpen() && SplashScreen == 0 && ChainJingle == 0 &&
                          CowSoundBuffer == 0 && hookCalls.size() == 3;
            _exit(silent ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(err(), "No audio device found: the game runs without sound.\n");
}

} // namespace
