// map_text.cpp: inline test maps through the loader, and the world's consistency check.
#include "tests/world/map_text.h"
#include "rules/cow.h"
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

bool worldIsConsistent() {
    if (mapColumns < 0 || mapRows < 0 || mapColumns > GridSize || mapRows > GridSize)
        return false;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const Tile *tile = TileGrid[c][r];
            if (!tile || tile->column != c || tile->row != r)
                return false;
            const WorldObject *object = ObjectGrid[c][r];
            if (object && (object->x != c || object->y != r || object->z != tile->standHeight))
                return false;
        }
    if (!cow1 || !cow2 || cow1->other != cow2 || cow2->other != cow1)
        return false;
    for (const Cow *cow : {cow1, cow2}) {
        const Tile *home = tileAt(cow->homeCol, cow->homeRow);
        if (!home || cow->x != cow->homeCol || cow->y != cow->homeRow ||
            cow->z != home->standHeight)
            return false;
    }
    return true;
}
