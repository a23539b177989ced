// test_data.h: where the tests find the build's data folder and the game's font.
#pragma once

#include <string>

// The data folder: $PASTURON_DATA (set by CTest), or the build's data folder when the test runs
// by hand.
std::string testDataDir();
// The file `relative` (to the data folder) of the data folder.
std::string testDataFile(const std::string &relative);
// The TrueType font the build copies to fonts/arial.ttf (a CMake setting).
const char *testFontPath();
