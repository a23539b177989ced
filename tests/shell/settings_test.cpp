// settings_test.cpp: settings.conf: the lines it takes and refuses, writing it back around the
// player's own lines, a restart, and the atomic writer under a kill at any moment.
#include "shell/config_files.h"
#include "shell/detail.h"
#include "shell/settings.h"
#include "shell/volume.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<int> problemLines(const std::string &text, std::vector<SettingsProblem> &problems) {
    readSettings(text, problems);
    std::vector<int> lines;
    for (const SettingsProblem &problem : problems)
        lines.push_back(problem.line);
    return lines;
}

std::string fileText(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A folder of its own under the system's temporary folder, removed at the end.
class ConfigFolder : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("pasturon-settings-" + std::to_string(getpid()));
        fs::remove_all(folder);
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST(Settings, KnownLinesAreTakenAndEveryOtherLineIsRefusedOnItsOwn) {
    std::vector<SettingsProblem> problems;
    EXPECT_EQ(problemLines("# mine\n"         // 1
                           "volume = 40\n"    // 2
                           "muted = maybe\n"  // 3
                           "loud\n"           // 4
                           "volume = 70\n"    // 5
                           "bass = 3\n"       // 6
                           "Muted = YES  \n", // 7: line 3 was refused, so this one counts
                           problems),
              (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(problems[0].reason, "muted is yes or no");
    EXPECT_EQ(problems[1].reason, "expected \"NAME = VALUE\"");
    EXPECT_EQ(problems[2].reason, "volume was set on line 2");
    EXPECT_EQ(problems[3].reason, "unknown setting \"bass\" (volume, muted, detail)");
    EXPECT_EQ(soundVolume(), 40);
    EXPECT_TRUE(soundMuted());
    problems.clear();
    EXPECT_EQ(problemLines("volume = 101\nvolume = -5\nvolume = 7x\n", problems),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(soundVolume(), 40); // refused values keep the level
}

TEST(Settings, DetailIsHighOrLowAndWrittenBack) {
    std::vector<SettingsProblem> problems;
    EXPECT_EQ(problemLines("detail = medium\n", problems), (std::vector<int>{1}));
    EXPECT_EQ(problems[0].reason, "expected high or low, not 'medium'");
    problems.clear();
    readSettings("detail = low\n", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(currentDetail(), Detail::Low);
    EXPECT_NE(updatedSettings("").find("\ndetail = low\n"), std::string::npos);
    readSettings("detail = high\n", problems);
    EXPECT_EQ(currentDetail(), Detail::High);
}

TEST(Settings, WritingBackKeepsThePlayersLinesAndRewritesOnlyTheSettings) {
    std::vector<SettingsProblem> problems;
    readSettings("volume = 40\nmuted = no\n", problems);
    ASSERT_TRUE(problems.empty());
    EXPECT_EQ(updatedSettings("# mine\ndetail = high\nVolume = 10 # quiet\nvolume = 20"),
              "# mine\ndetail = high\nvolume = 40 # quiet\nmuted = no\n");
    const std::string fresh = updatedSettings("");
    EXPECT_EQ(fresh.substr(0, 1), "#");
    EXPECT_NE(fresh.find("\nvolume = 40\nmuted = no\n"), std::string::npos);
}

TEST_F(ConfigFolder, SavedSettingsComeBackAfterARestart) {
    std::vector<SettingsProblem> problems;
    readSettings("volume = 30\nmuted = yes\n", problems);
    ASSERT_TRUE(saveSettingsFile()); // the folder is made
    EXPECT_EQ(fs::status(folder / "pasturon" / "settings.conf").permissions() & fs::perms::all,
              fs::perms(0644));
    readSettings("volume = 100\nmuted = no\n", problems); // what a new process starts with
    loadSettingsFile();
    EXPECT_EQ(soundVolume(), 30);
    EXPECT_TRUE(soundMuted());
    EXPECT_EQ(fs::directory_iterator(folder / "pasturon")->path().filename(), "settings.conf");
}

TEST_F(ConfigFolder, AKillWhileWritingLeavesTheOldFileOrTheNewOneWhole) {
    fs::create_directories(folder);
    const fs::path path = folder / "settings.conf";
    constexpr size_t Bytes = 1 << 20; // long enough to be caught half way by a kill
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, std::string(Bytes, 'a'), error)) << error;
    std::mt19937 random(23);
    int caughtWriting = 0;
    for (int round = 0; round < 20; round++) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1;; i++)
                writeFileAtomically(path, std::string(Bytes, static_cast<char>('a' + i % 26)),
                                    error);
        }
        usleep(std::uniform_int_distribution<useconds_t>(1000, 30000)(random));
        kill(child, SIGKILL);
        int status;
        waitpid(child, &status, 0);
        const std::string text = fileText(path);
        ASSERT_EQ(text.size(), Bytes) << "round " << round;
        EXPECT_EQ(text.find_first_not_of(text[0]), std::string::npos) << "round " << round;
        for (const fs::directory_entry &entry : fs::directory_iterator(folder))
            if (entry.path() != path) { // the temporary file the kill left behind
                caughtWriting++;
                fs::remove(entry.path());
            }
    }
    std::cout << caughtWriting << " of 20 kills came while a temporary file was open\n";
}

TEST_F(ConfigFolder, AWriteFollowsALinkAndSaysWhyItCannotWrite) {
    fs::create_directories(folder / "real");
    const fs::path link = folder / "settings.conf";
    fs::create_symlink(folder / "real" / "settings.conf", link);
    std::string error;
    ASSERT_TRUE(writeFileAtomically(link, "volume = 5\n", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileText(folder / "real" / "settings.conf"), "volume = 5\n");
    std::ofstream(folder / "plain") << "x";
    EXPECT_FALSE(writeFileAtomically(folder / "plain" / "settings.conf", "x", error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

} // namespace
