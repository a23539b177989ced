// main.cpp: pasturon-assets: writes every texture, the splash picture and every sound of the
// game into a data folder. The same bytes on every run.
//   pasturon-assets DATA_DIR TITLE_FONT.ttf
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>

#include "assets.h"
#include "audio/sound.h"
#include "images/texture_list.h"

namespace {

// The folders that the catalogue's files go into ("tiles", "textures", "sounds").
std::set<std::string> catalogueFolders() {
    std::set<std::string> folders;
    auto add = [&](const char *file) {
        std::string parent = std::filesystem::path(file).parent_path().string();
        if (!parent.empty())
            folders.insert(parent);
    };
    for (const TextureEntry &entry : TextureCatalogue)
        add(entry.file);
    for (int i = 0; i < SoundCount; i++)
        add(soundFile(static_cast<Sound>(i)));
    return folders;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR TITLE_FONT.ttf\n", argv[0]);
        return 2;
    }
    const std::string dataDir = argv[1];
    for (const std::string &sub : catalogueFolders()) {
        std::error_code error;
        std::filesystem::create_directories(dataDir + "/" + sub, error);
        if (error) {
            std::fprintf(stderr, "cannot create %s/%s: %s\n", dataDir.c_str(), sub.c_str(),
                         error.message().c_str());
            return 1;
        }
    }
    bool ok = makeTextures(dataDir) && makeSplash(dataDir, argv[2]) && makeSounds(dataDir);
    return ok ? 0 : 1;
}
