// test_map.cpp: writing and loading the tests' small maps.
#include "test_map.h"
#include "world/grids.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

bool loadTestMap(const std::vector<std::string> &lines) {
    char path[] = "/tmp/pasturon-drawing-map.XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        return false;
    FILE *file = fdopen(fd, "w");
    for (const std::string &line : lines)
        std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
    bool loaded = loadMap(path);
    unlink(path);
    return loaded;
}

std::vector<std::string> plainMap(int columns, int rows, char tile, int cow1Column, int cow1Row,
                                  int cow2Column, int cow2Row) {
    std::string line;
    for (int c = 0; c < columns; c++)
        line += std::string(1, tile) + " ";
    std::vector<std::string> map(static_cast<size_t>(rows), line);
    putObject(map, cow1Column, cow1Row, '1');
    putObject(map, cow2Column, cow2Row, '2');
    return map;
}

void putObject(std::vector<std::string> &map, int column, int row, char object) {
    map[static_cast<size_t>(row)][static_cast<size_t>(column) * 2 + 1] = object;
}

void putTile(std::vector<std::string> &map, int column, int row, char tile) {
    map[static_cast<size_t>(row)][static_cast<size_t>(column) * 2] = tile;
}
