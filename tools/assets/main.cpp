// main.cpp: pasturon-assets: writes every texture, the splash picture and every sound of the
// game into a data folder. The same bytes on every run.
//   pasturon-assets DATA_DIR TITLE_FONT.ttf
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "assets.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR TITLE_FONT.ttf\n", argv[0]);
        return 2;
    }
    const std::string dataDir = argv[1];
    for (const char *sub : {"tiles", "textures", "sounds"}) {
        std::error_code error;
        std::filesystem::create_directories(dataDir + "/" + sub, error);
        if (error) {
            std::fprintf(stderr, "cannot create %s/%s: %s\n", dataDir.c_str(), sub,
                         error.message().c_str());
            return 1;
        }
    }
    bool ok = makeTextures(dataDir) && makeSplash(dataDir, argv[2]) && makeSounds(dataDir);
    return ok ? 0 : 1;
}
