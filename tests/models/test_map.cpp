// test_map.cpp: writes a grass map from rows of object characters and loads it.
#include "test_map.h"
#include "world/grids.h"

#include <cstdio>
#include <unistd.h>

bool loadObjectRows(const std::vector<std::string> &rows) {
    std::string text;
    for (const std::string &row : rows) {
        for (char object : row) {
            text += '_'; // grass
            text += object;
        }
        text += '\n';
    }
    char path[] = "/tmp/pasturon-models-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        return false;
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    bool loaded = written && loadMap(path);
    std::remove(path);
    return loaded;
}
