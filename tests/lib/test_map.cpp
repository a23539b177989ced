// test_map.cpp: writing the tests' small maps and loading them.
#include "test_map.h"
#include "world/grids.h"

#include <cstdio>
#include <unistd.h>

bool loadMapText(const std::string &text) {
    // a file in memory; an empty one (which memory streams do not take) on disk
    FILE *file =
        text.empty() ? std::tmpfile() : fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    if (!file)
        return false;
    bool loaded = loadMapFrom(file, "test.map");
    std::fclose(file);
    return loaded;
}

bool loadMapTextCapturing(const std::string &text, std::string *errors) {
    std::fflush(stderr);
    FILE *capture = std::tmpfile();
    int saved = dup(fileno(stderr));
    dup2(fileno(capture), fileno(stderr));
    bool loaded = loadMapText(text);
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    errors->clear();
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;)
        errors->push_back(static_cast<char>(c));
    std::fclose(capture);
    return loaded;
}

bool loadTestMap(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
        text += line + "\n";
    return loadMapText(text);
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

bool loadObjectRows(const std::vector<std::string> &rows) {
    std::vector<std::string> lines;
    for (const std::string &row : rows) {
        std::string line;
        for (char object : row) {
            line += '_'; // grass
            line += object;
        }
        lines.push_back(line);
    }
    return loadTestMap(lines);
}
