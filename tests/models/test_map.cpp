// test_map.cpp: grass maps from rows of object characters, loaded through the drawing tests'
// map writer.
#include "test_map.h"
#include "../drawing/test_map.h"

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
