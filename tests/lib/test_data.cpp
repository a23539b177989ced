// test_data.cpp: the data folder and the font, as the build configured them.
#include "test_data.h"

#include <cstdlib>

// PASTURON_BUILD_DATA and PASTURON_GAME_FONT come from the build.

std::string testDataDir() {
    const char *data = std::getenv("PASTURON_DATA");
    return data && *data ? data : PASTURON_BUILD_DATA;
}

std::string testDataFile(const std::string &relative) {
    return testDataDir() + "/" + relative;
}

const char *testFontPath() {
    return PASTURON_GAME_FONT;
}
