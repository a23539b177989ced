// icon_main.cpp: pasturon-icon: writes the game's icon into a folder: pasturon-SIZE.png for
// each size in pixels, and pasturon.svg. The same bytes on every run.
//   pasturon-icon OUT_DIR SIZE...
#include <cstdio>
#include <cstdlib>
#include <string>

#include "icon.h"

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    for (int i = 2; i < argc; i++) {
        char *end = nullptr;
        long size = std::strtol(argv[i], &end, 10);
        if (*end || size < 16 || size > 1024) {
            std::fprintf(stderr, "%s: size '%s' is not a number of pixels in 16..1024\n", argv[0],
                         argv[i]);
            return 2;
        }
        if (!writeIconPng(static_cast<int>(size), dir + "/pasturon-" + argv[i] + ".png"))
            return 1;
    }
    return writeIconSvg(dir + "/pasturon.svg") ? 0 : 1;
}
