// data_folder.cpp: the search for the folder that holds the game's map, textures, sounds and
// font, and the change into it.
#include "shell/data_folder.h"
#include "world/grids.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

// The build defines, from the install prefix, PASTURON_INSTALLED_DATA (the installed data
// folder) and PASTURON_DATA_FROM_PROGRAM (the same folder relative to the installed program's).

namespace {

constexpr int ExitNoData = 1;
constexpr int StartGame = -1;

bool holdsMap(const fs::path &folder) {
    std::error_code error;
    return fs::is_regular_file(folder / GameMapPath, error);
}

bool sameFolder(const fs::path &a, const fs::path &b) {
    std::error_code errorA, errorB;
    fs::path canonicalA = fs::weakly_canonical(a, errorA);
    fs::path canonicalB = fs::weakly_canonical(b, errorB);
    return !errorA && !errorB && canonicalA == canonicalB;
}

} // namespace

std::vector<DataFolder> dataFolderCandidates(const char *dataEnv, const std::string &programPath) {
    std::vector<DataFolder> folders;
    if (dataEnv && *dataEnv)
        folders.push_back({dataEnv, "$PASTURON_DATA"});
    const fs::path installed = PASTURON_INSTALLED_DATA;
    folders.push_back({installed.string(), "installed"});
    if (!programPath.empty()) {
        fs::path beside = (fs::path(programPath).parent_path() / PASTURON_DATA_FROM_PROGRAM);
        beside = beside.lexically_normal();
        if (!sameFolder(beside, installed))
            folders.push_back({beside.string(), "installed, beside the program"});
    }
    return folders;
}

bool enterDataFolder(const std::vector<DataFolder> &candidates, std::string &error) {
    if (holdsMap("."))
        return true;
    std::error_code cwdError;
    std::string tried = std::string("pasturon: no ") + GameMapPath + " in the working directory (" +
                        fs::current_path(cwdError).string() + ")";
    for (size_t i = 0; i < candidates.size(); i++) {
        const DataFolder &folder = candidates[i];
        if (holdsMap(folder.path) && chdir(folder.path.c_str()) == 0)
            return true;
        tried += i + 1 == candidates.size() ? " or " : ", ";
        tried += "in " + folder.path + " (" + folder.why + ")";
    }
    error = tried;
    return false;
}

int enterGameDataFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    std::string message;
    if (enterDataFolder(dataFolderCandidates(std::getenv("PASTURON_DATA"),
                                             error ? std::string() : program.string()),
                        message))
        return StartGame;
    std::fprintf(stderr, "%s\n", message.c_str());
    return ExitNoData;
}
