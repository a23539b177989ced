// bench_textures.cpp: how long start-up spends on the texture catalogue (23 BMP files decoded
// and uploaded with their mipmaps), and how much of it is decoding.
//
//   bench_textures [FOLDER] [RUNS]
// FOLDER holds the game's files (default: the working directory); when any catalogue file is
// missing there, a stand-in set of 24-bit images (splash 512 x 512, the rest 256 x 256) is
// written to a temporary folder and timed instead. Needs a display (run under xvfb-run).
#include "images/bmp.h"
#include "images/textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The game's own catalogue, in load order.
std::vector<const char *> catalogueFiles() {
    std::vector<const char *> files;
    for (int i = 0; i < TextureCatalogueSize; i++)
        files.push_back(textureCatalogueFile(i));
    return files;
}

void putLe(std::ofstream &out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit bottom-up BMP of size x size pixels with a colour pattern.
void writeStandIn(const fs::path &path, int size, int seed) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    uint32_t stride = (uint32_t(size) * 3 + 3) & ~3u;
    out.put('B');
    out.put('M');
    putLe(out, 54 + stride * size, 4);
    putLe(out, 0, 4);
    putLe(out, 54, 4);
    for (uint32_t v : {40u, uint32_t(size), uint32_t(size)})
        putLe(out, v, 4);
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    for (uint32_t v : {0u, stride * size, 2835u, 2835u, 0u, 0u})
        putLe(out, v, 4);
    std::vector<char> row(stride, 0);
    for (int y = 0; y < size; y++) {
        for (int x = 0; x < size; x++) {
            row[3 * x] = static_cast<char>(x * 7 + seed);
            row[3 * x + 1] = static_cast<char>(y * 5 + seed * 3);
            row[3 * x + 2] = static_cast<char>((x ^ y) + seed * 11);
        }
        out.write(row.data(), stride);
    }
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void clearSlots() {
    glDeleteTextures(20, ModelTextures);
    glDeleteTextures(10, TileTextures);
    glDeleteTextures(1, &SplashTexture);
    std::memset(ModelTextures, 0, sizeof ModelTextures);
    std::memset(TileTextures, 0, sizeof TileTextures);
    SplashTexture = 0;
}

void report(const char *what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-34s min %7.1f ms   median %7.1f ms   max %7.1f ms\n", what, times.front(),
                times[times.size() / 2], times.back());
}

} // namespace

int main(int argc, char **argv) {
    glutInit(&argc, argv);
    fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::current_path();
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    const std::vector<const char *> CatalogueFiles = catalogueFiles();
    bool complete = std::all_of(CatalogueFiles.begin(), CatalogueFiles.end(),
                                [&](const char *f) { return fs::exists(folder / f); });
    fs::path standIns;
    if (!complete) {
        standIns = fs::temp_directory_path() / ("pasturon-bench-" + std::to_string(getpid()));
        int seed = 0;
        for (const char *f : CatalogueFiles) {
            writeStandIn(standIns / f, seed == 0 ? 512 : 256, seed);
            seed++;
        }
        folder = standIns;
    }
    fs::current_path(folder);
    uintmax_t bytes = 0;
    for (const char *f : CatalogueFiles)
        bytes += fs::file_size(f);

    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Pasturon");
    std::printf("texture catalogue: %s (%zu files, %.1f KiB), renderer %s, %d runs\n",
                complete ? fs::absolute(folder).c_str()
                         : "stand-in images (splash 512x512, 256x256 others)",
                CatalogueFiles.size(), bytes / 1024.0,
                reinterpret_cast<const char *>(glGetString(GL_RENDERER)), runs);

    std::vector<double> decode, catalogue;
    for (int run = 0; run < runs; run++) {
        auto start = std::chrono::steady_clock::now();
        for (const char *f : CatalogueFiles) {
            ImageRecord *image = loadBmpImage(f);
            if (image) {
                std::free(image->pixels);
                std::free(image);
            }
        }
        decode.push_back(millisecondsSince(start));

        clearSlots();
        glFinish();
        start = std::chrono::steady_clock::now();
        loadSplashTexture();
        loadTileTextures();
        loadSceneryTextures();
        loadCowTextures();
        glFinish();
        catalogue.push_back(millisecondsSince(start));
    }
    report("decode only (23 loadBmpImage)", decode);
    report("catalogue (decode + mipmaps)", catalogue);
    std::printf("target: catalogue <= 200 ms\n");
    if (!standIns.empty()) {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(standIns);
    }
    return 0;
}
