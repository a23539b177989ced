// data_folder_test.cpp: the start-up search for the data folder: the working directory first,
// then $PASTURON_DATA, then the installed folders; one line naming them all when none holds
// the map.
#include "shell/data_folder.h"
#include "world/grids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Each test starts in an empty folder with three more beside it: env, installed, other.
class DataFolderSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        oldDir = fs::current_path();
        root = fs::temp_directory_path() / ("pasturon-datafolder-" + std::to_string(getpid()));
        fs::remove_all(root);
        for (const char *name : {"start", "env", "installed", "other"})
            fs::create_directories(root / name);
        fs::current_path(root / "start");
    }
    void TearDown() override {
        fs::current_path(oldDir);
        fs::remove_all(root);
    }
    void giveMap(const fs::path &folder) {
        fs::create_directories(folder / "_maps");
        std::ofstream(folder / GameMapPath) << "_1_2\n";
    }
    std::vector<DataFolder> candidates() {
        return {{(root / "env").string(), "$PASTURON_DATA"},
                {(root / "installed").string(), "installed"}};
    }
    // where the search left us, canonical
    fs::path here() { return fs::canonical(fs::current_path()); }
    fs::path at(const char *name) { return fs::canonical(root / name); }

    fs::path oldDir, root;
};

TEST_F(DataFolderSearch, TheFirstFolderHoldingTheMapWins) {
    std::string error;
    giveMap(root / "start");
    giveMap(root / "env");
    ASSERT_TRUE(enterDataFolder(candidates(), error));
    EXPECT_EQ(here(), at("start")); // the working directory holds it: stay

    fs::remove_all(root / "start" / "_maps");
    giveMap(root / "installed");
    ASSERT_TRUE(enterDataFolder(candidates(), error));
    EXPECT_EQ(here(), at("env"));

    fs::current_path(root / "other");
    fs::remove_all(root / "env" / "_maps");
    ASSERT_TRUE(enterDataFolder(candidates(), error));
    EXPECT_EQ(here(), at("installed"));
    EXPECT_TRUE(error.empty());
}

TEST_F(DataFolderSearch, NoMapAnywhereNamesEveryFolderOnOneLineAndStays) {
    fs::create_directories(root / "env" / GameMapPath); // a folder by the map's name is no map
    std::string error;
    EXPECT_FALSE(enterDataFolder(candidates(), error));
    EXPECT_EQ(here(), at("start"));
    EXPECT_EQ(error, "pasturon: no _maps/Map02.map in the working directory (" +
                         fs::current_path().string() + "), in " + (root / "env").string() +
                         " ($PASTURON_DATA) or in " + (root / "installed").string() +
                         " (installed)");
}

TEST(DataFolderCandidates, EnvironmentThenInstalledThenBesideTheProgram) {
    std::vector<DataFolder> plain = dataFolderCandidates(nullptr, "");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].path, PASTURON_TEST_INSTALLED_DATA);
    EXPECT_EQ(dataFolderCandidates("", "").size(), 1u); // an empty $PASTURON_DATA is not set

    // a game installed under the prefix /opt/p
    std::string program = std::string("/opt/p/") + PASTURON_TEST_GAMESDIR + "/pasturon";
    std::vector<DataFolder> all = dataFolderCandidates("/srv/farm", program);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].path, "/srv/farm");
    EXPECT_EQ(all[0].why, "$PASTURON_DATA");
    EXPECT_EQ(all[1].path, PASTURON_TEST_INSTALLED_DATA);
    EXPECT_EQ(all[2].path, std::string("/opt/p/") + PASTURON_TEST_DATADIR);

    // the program where it was installed: its folder beside it is the compiled-in one
    std::string installedProgram = std::string(PASTURON_TEST_INSTALLED_GAMESDIR) + "/pasturon";
    EXPECT_EQ(dataFolderCandidates(nullptr, installedProgram).size(), 1u);
}

} // namespace
