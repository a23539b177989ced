// data_folder.h: finding the game's data at start-up. Every file is read by a path relative to
// the working directory; when the working directory holds no map, the game moves into the
// first folder that does: $PASTURON_DATA, then the folder it was installed with.
#pragma once

#include <string>
#include <vector>

// A folder that may hold the data, and why it is looked in (shown when none holds it).
struct DataFolder {
    std::string path;
    std::string why; // "$PASTURON_DATA", "installed"
};

// The folders to try after the working directory, in order: `dataEnv` (the value of
// $PASTURON_DATA; skipped when null or empty), the installed data folder compiled in, and the
// installed data folder beside `programPath` (the running program; skipped when empty or when
// it is the compiled-in one), for a game installed under another prefix than it was built for.
std::vector<DataFolder> dataFolderCandidates(const char *dataEnv, const std::string &programPath);

// Stay when the working directory holds the map; else change into the first candidate that
// holds it. False, with one line naming every folder tried in `error`, when none does.
bool enterDataFolder(const std::vector<DataFolder> &candidates, std::string &error);

// The start-up step: enterDataFolder for this process. On failure writes the line to standard
// error and returns 1 (the exit status); returns -1 when the game should go on.
int enterGameDataFolder();
