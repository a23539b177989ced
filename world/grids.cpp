// grids.cpp: the map loader, the world grids and their teardown.
#include "world/grids.h"
#include "rules/cow.h"

#include <cstdio>
#include <string>
#include <vector>

Tile *TileGrid[GridSize][GridSize];
WorldObject *ObjectGrid[GridSize][GridSize];
int mapColumns;
int mapRows;
Cow *cow1;
Cow *cow2;

void (*objectRemovedHook)(int column, int row);

namespace {

// Objects taken out of the grid during play, freed once their handler has returned.
std::vector<WorldObject *> removedObjects;

// Every cell the file creates, in reading order.
struct MapCell {
    char tileKind, objectKind;
    int column, row;
};

struct ParsedMap {
    std::vector<MapCell> cells;
    int columns = 0, rows = 0;
    int cow1Cell = -1, cow2Cell = -1; // index into cells of the last '1' / '2'
};

void refuse(const char *path, int line, const std::string &reason) {
    if (line > 0)
        std::fprintf(stderr, "Map %s, line %d: %s\n", path, line, reason.c_str());
    else
        std::fprintf(stderr, "Map %s: %s\n", path, reason.c_str());
}

// Read the file byte by byte the way the format defines; a CR before a LF is dropped.
bool parseMap(const char *path, ParsedMap &map) {
    FILE *file = std::fopen(path, "rb");
    if (!file) {
        refuse(path, 0, "cannot be opened");
        return false;
    }
    std::vector<unsigned char> bytes;
    int byte;
    while ((byte = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<unsigned char>(byte));
    bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError) {
        refuse(path, 0, "cannot be read");
        return false;
    }
    // text mode: CR LF reads as LF
    std::vector<unsigned char> text;
    for (size_t i = 0; i < bytes.size(); i++) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }

    int column = 0, row = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = text[i++];
        if (c == '\n') {
            row++;
            map.columns = column;
            column = 0;
        } else {
            if (column >= GridSize || row >= GridSize) {
                refuse(path, row + 1, "the map is larger than 256 x 256 cells");
                return false;
            }
            // a tile character at the very end of the file has no object byte: no object
            char objectKind = i < text.size() ? static_cast<char>(text[i++]) : ' ';
            map.cells.push_back({static_cast<char>(c), objectKind, column, row});
            if (objectKind == '1')
                map.cow1Cell = static_cast<int>(map.cells.size()) - 1;
            if (objectKind == '2')
                map.cow2Cell = static_cast<int>(map.cells.size()) - 1;
            column++;
        }
        map.rows = row;
    }
    if (map.rows > GridSize) {
        refuse(path, map.rows, "the map is larger than 256 x 256 cells");
        return false;
    }
    if (map.cow1Cell < 0) {
        refuse(path, 0, "there is no cow 1 ('1')");
        return false;
    }
    if (map.cow2Cell < 0) {
        refuse(path, 0, "there is no cow 2 ('2')");
        return false;
    }
    // every visited cell needs a tile
    std::vector<std::vector<bool>> has(GridSize, std::vector<bool>(GridSize, false));
    for (const MapCell &cell : map.cells)
        has[cell.column][cell.row] = true;
    for (int r = 0; r < map.rows; r++)
        for (int c = 0; c < map.columns; c++)
            if (!has[c][r]) {
                refuse(path, r + 1,
                       "the line holds fewer than " + std::to_string(map.columns) + " cells");
                return false;
            }
    return true;
}

} // namespace

Tile *tileAt(int column, int row) {
    return insideGrid(column, row) ? TileGrid[column][row] : nullptr;
}

WorldObject *objectAt(int column, int row) {
    return insideGrid(column, row) ? ObjectGrid[column][row] : nullptr;
}

bool loadMap(const char *path) {
    ParsedMap map;
    if (!parseMap(path, map))
        return false;

    freeWorld();
    for (size_t i = 0; i < map.cells.size(); i++) {
        const MapCell &cell = map.cells[i];
        TileGrid[cell.column][cell.row] = createTile(cell.tileKind, cell.column, cell.row);
        char o = cell.objectKind;
        if (o == ' ' || o == '1' || o == '2')
            ObjectGrid[cell.column][cell.row] = nullptr;
        else
            ObjectGrid[cell.column][cell.row] = createObject(o, cell.column, cell.row);
    }
    mapColumns = map.columns;
    mapRows = map.rows;
    const MapCell &home1 = map.cells[map.cow1Cell];
    const MapCell &home2 = map.cells[map.cow2Cell];
    cow1 = createCow('1', home1.column, home1.row);
    cow1->homeCol = home1.column;
    cow1->homeRow = home1.row;
    cow2 = createCow('2', home2.column, home2.row);
    cow2->homeCol = home2.column;
    cow2->homeRow = home2.row;

    // placement pass, column by column
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (ObjectGrid[c][r])
                ObjectGrid[c][r]->placeHandler(c, r);

    cow1->other = cow2;
    cow2->other = cow1;
    return true;
}

void freeWorld() {
    for (int c = 0; c < GridSize; c++)
        for (int r = 0; r < GridSize; r++) {
            delete ObjectGrid[c][r];
            ObjectGrid[c][r] = nullptr;
            delete TileGrid[c][r];
            TileGrid[c][r] = nullptr;
        }
    releaseRemovedObjects();
    delete cow1;
    delete cow2;
    cow1 = cow2 = nullptr;
    mapColumns = mapRows = 0;
}

void removeObjectAt(int column, int row) {
    WorldObject *object = objectAt(column, row);
    if (!object)
        return;
    ObjectGrid[column][row] = nullptr;
    removedObjects.push_back(object);
    if (objectRemovedHook)
        objectRemovedHook(column, row);
}

void releaseRemovedObjects() {
    for (WorldObject *object : removedObjects)
        delete object;
    removedObjects.clear();
}
