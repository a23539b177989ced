// sound_ledger_test.cpp: the sound ledger between the sound layer and a recording device: ticks
// run again are silent, and afterwards the device holds what the corrected ticks say.
#include "audio/sound_ledger.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> heard; // what reached the device, "play NAME" and the like

void devicePlay(Sound sound) {
    heard.push_back(std::string("play ") + soundName(sound));
}
void deviceResume(Sound sound) {
    heard.push_back(std::string("resume ") + soundName(sound));
}
void deviceStop(Sound sound) {
    heard.push_back(std::string("stop ") + soundName(sound));
}
const SoundBackend RecordingDevice = {devicePlay, deviceResume, deviceStop};

class SoundLedgerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        heard.clear();
        setSoundBackend(&RecordingDevice);
        ledger.attach();
    }
    void TearDown() override {
        ledger.detach();
        EXPECT_EQ(soundBackend(), &RecordingDevice) << "detach puts the device back";
        setSoundBackend(nullptr);
    }
    // One tick whose rules start, resume or stop the given sounds.
    void tick(long long t, bool again, std::initializer_list<std::pair<SoundAction, Sound>> acts) {
        ledger.beginTick(t, again);
        for (const auto &act : acts)
            act.first == SoundAction::Play     ? startSound(act.second)
            : act.first == SoundAction::Resume ? resumeSound(act.second)
                                               : stopSound(act.second);
        ledger.endTick();
    }
    SoundLedger ledger;
};

constexpr SoundAction Play = SoundAction::Play, Resume = SoundAction::Resume,
                      Stop = SoundAction::Stop;

TEST_F(SoundLedgerTest, RunAgainTheSameIsSilent) {
    tick(1, false, {{Play, Sound::Cow1Jump}});
    tick(2, false, {{Resume, Sound::Hit}, {Stop, Sound::CowSonarSoundSource}});
    ledger.rollBack(1);
    tick(1, true, {{Play, Sound::Cow1Jump}});
    tick(2, true, {{Resume, Sound::Hit}, {Stop, Sound::CowSonarSoundSource}});
    ledger.reconcile();
    EXPECT_EQ(heard, (std::vector<std::string>{"play Cow1Jump", "resume Hit",
                                               "stop CowSonarSoundSource"}));
}

TEST_F(SoundLedgerTest, WrongPredictionStoppedAndCorrectionStarted) {
    tick(1, false, {});
    tick(2, false, {{Play, Sound::CowHBSoundSource}}); // predicted: a head-butt
    tick(3, false, {});
    heard.clear();
    ledger.rollBack(2);
    tick(2, true, {});
    tick(3, true, {{Resume, Sound::Hit}}); // in truth: no head-butt, a hit a tick later
    ledger.reconcile();
    EXPECT_EQ(heard, (std::vector<std::string>{"stop CowHBSoundSource", "resume Hit"}));
    // the device now agrees: a second rollback with the same outcome changes nothing
    heard.clear();
    ledger.rollBack(3);
    tick(3, true, {{Resume, Sound::Hit}});
    ledger.reconcile();
    EXPECT_TRUE(heard.empty());
}

TEST_F(SoundLedgerTest, LoopsEndAsTheCorrectedTicksLeaveThem) {
    tick(1, false, {{Play, Sound::CowSonarSoundSource}}); // in the pond since tick 1
    tick(2, false, {{Stop, Sound::CowSonarSoundSource}}); // predicted: out again
    tick(3, false, {});
    heard.clear();
    ledger.rollBack(2);
    tick(2, true, {});
    tick(3, true, {});
    ledger.reconcile();
    // in truth still in the pond: the loop plays again; a one-shot long started is left alone
    EXPECT_EQ(heard, (std::vector<std::string>{"play CowSonarSoundSource"}));

    tick(4, false, {{Play, Sound::Cow1Jump}});
    tick(5, false, {{Play, Sound::CowSplashSoundSource}});
    heard.clear();
    ledger.rollBack(5);
    tick(5, true, {{Stop, Sound::CowSonarSoundSource}}); // in truth out at tick 5
    ledger.reconcile();
    EXPECT_EQ(heard,
              (std::vector<std::string>{"stop CowSonarSoundSource", "stop CowSplashSoundSource"}));
}

TEST_F(SoundLedgerTest, SoundsBetweenTicksOutliveARollback) {
    tick(1, false, {});
    startSound(Sound::Ambient); // the round starts: not the rules' doing
    tick(2, false, {{Play, Sound::GameWon}});
    heard.clear();
    ledger.rollBack(1);
    tick(1, true, {});
    tick(2, true, {{Play, Sound::GameWon}});
    ledger.reconcile();
    EXPECT_TRUE(heard.empty()) << heard.front();
}

} // namespace
