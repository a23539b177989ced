// grids.cpp: the map loader, the world grids and their teardown.
#include "world/grids.h"
#include "world/kinds.h"
#include "world/markers.h"

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

unsigned long long worldsBuilt; // process lifetime: map loads so far

// One cell as the file describes it.
struct MapCell {
    char tileKind, objectKind;
    int column, row;
    int line; // file line (from 1) of the cell's tile character
};

// A map file read and checked, not yet built.
struct ParsedMap {
    std::vector<MapCell> cells;       // every cell the file creates, in reading order
    int columns = 0, rows = 0;        // what mapColumns and mapRows become
    int cow1Cell = -1, cow2Cell = -1; // index into cells of the last '1' / '2'
    std::vector<int> rowLines;        // file line (from 1) where each row begins
    int oddLine = 0;                  // first line whose line feed was taken as an object
};

// The one line on standard error that says why a map is refused.
bool refuse(const char *name, int line, const std::string &reason) {
    if (line > 0)
        std::fprintf(stderr, "Map %s, line %d: %s\n", name, line, reason.c_str());
    else
        std::fprintf(stderr, "Map %s: %s\n", name, reason.c_str());
    return false;
}

// Bytes of a file as a text-mode read gives them: a CR before a LF is not seen.
class TextReader {
  public:
    explicit TextReader(FILE *file) : file(file) {}
    // The next byte, or EOF at the end of the file or on a read error.
    int next() {
        int byte = std::fgetc(file);
        if (byte == '\r') {
            int after = std::fgetc(file);
            if (after == '\n')
                byte = '\n';
            else if (after != EOF)
                std::ungetc(after, file);
        }
        if (byte == '\n')
            line++;
        return byte;
    }
    int line = 1; // the line of the byte that next() returns next

  private:
    FILE *file;
};

// Read the bytes into cells the way the format defines, refusing what the grids cannot hold.
bool readCells(FILE *file, const char *name, ParsedMap &map) {
    TextReader reader(file);
    int column = 0, row = 0;
    map.rowLines.push_back(reader.line);
    for (int byte; (byte = reader.next()) != EOF;) {
        if (byte == '\n') {
            if (++row > GridSize)
                return refuse(name, reader.line - 1, "the map has more than 256 rows");
            map.columns = column;
            column = 0;
            map.rowLines.push_back(reader.line);
        } else {
            int line = reader.line;
            if (row >= GridSize)
                return refuse(name, line, "the map has more than 256 rows");
            if (column >= GridSize)
                return refuse(name, line, "the line holds more than 256 cells");
            // a tile character that ends the file has no object character: no object
            int objectByte = reader.next();
            char objectKind = objectByte == EOF ? ' ' : static_cast<char>(objectByte);
            if (objectByte == '\n' && map.oddLine == 0)
                map.oddLine = line;
            map.cells.push_back({static_cast<char>(byte), objectKind, column, row, line});
            if (objectKind == '1')
                map.cow1Cell = static_cast<int>(map.cells.size()) - 1;
            if (objectKind == '2')
                map.cow2Cell = static_cast<int>(map.cells.size()) - 1;
            column++;
        }
        map.rows = row;
    }
    if (std::ferror(file))
        return refuse(name, reader.line, "the file cannot be read");
    return true;
}

// A plan of the visited cells: the object kinds (0 for none) that the placement pass meets.
class KindPlan {
  public:
    KindPlan(int columns, int rows)
        : columns(columns), rows(rows), kinds(static_cast<size_t>(columns) * rows, 0),
          lines(kinds.size(), 0) {}
    bool inside(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    char &kind(int column, int row) { return kinds[index(column, row)]; }
    int &line(int column, int row) { return lines[index(column, row)]; }
    const int columns, rows;

  private:
    size_t index(int column, int row) const { return static_cast<size_t>(column) * rows + row; }
    std::vector<char> kinds;
    std::vector<int> lines;
};

// The name of a kind that places markers, for messages.
std::string placerName(char kind) {
    if (kind == SiloKind)
        return "the silo ('I')";
    return "the barn ('B')";
}

// The room a kind that places markers needs, for messages.
const char *placerRoom(char kind) {
    if (kind == SiloKind)
        return "2 cells on every side";
    return "4 columns left and right and 3 rows above and below";
}

// Check a parsed map against everything the grids and the passes rely on.
bool checkMap(const char *name, const ParsedMap &map) {
    if (map.cow1Cell < 0)
        return refuse(name, 0, "there is no cow 1 ('1')");
    if (map.cow2Cell < 0)
        return refuse(name, 0, "there is no cow 2 ('2')");

    // every visited cell needs a tile
    KindPlan plan(map.columns, map.rows);
    for (const MapCell &cell : map.cells) {
        if (!plan.inside(cell.column, cell.row))
            continue;
        char object = cell.objectKind;
        plan.kind(cell.column, cell.row) =
            (object == ' ' || object == '1' || object == '2') ? static_cast<char>(0) : object;
        plan.line(cell.column, cell.row) = cell.line;
    }
    std::vector<int> cellsInRow(map.rows, 0);
    for (const MapCell &cell : map.cells)
        if (cell.row < map.rows)
            cellsInRow[cell.row]++;
    for (int r = 0; r < map.rows; r++) {
        if (cellsInRow[r] >= map.columns)
            continue;
        std::string reason = "the line holds " + std::to_string(cellsInRow[r]) +
                             " cells, fewer than the " + std::to_string(map.columns) +
                             " of the map's last line";
        if (map.oddLine > 0)
            reason += " (line " + std::to_string(map.oddLine) +
                      " has an odd number of bytes, which shifts the pairs after it)";
        return refuse(name, map.rowLines[r], reason);
    }

    // the placement pass on the plan: no marker may fall outside the map
    for (int c = 0; c < plan.columns; c++)
        for (int r = 0; r < plan.rows; r++) {
            char kind = plan.kind(c, r);
            bool outside = false;
            placeMarkersOf(
                kind, c, r, plan.columns, plan.rows,
                [&](int mc, int mr) { return plan.kind(mc, mr); },
                [&](int mc, int mr) {
                    if (plan.inside(mc, mr))
                        plan.kind(mc, mr) = SolidMarkerKind;
                    else
                        outside = true;
                });
            if (outside)
                return refuse(name, plan.line(c, r),
                              placerName(kind) + " at column " + std::to_string(c) + ", row " +
                                  std::to_string(r) + " puts markers outside the map (it needs " +
                                  placerRoom(kind) + ")");
        }
    return true;
}

// Build the world of a checked map into the (empty) grids.
void buildWorld(const ParsedMap &map) {
    for (const MapCell &cell : map.cells) {
        TileGrid[cell.column][cell.row] = createTile(cell.tileKind, cell.column, cell.row);
        char o = cell.objectKind;
        if (o == ' ' || o == '1' || o == '2')
            ObjectGrid[cell.column][cell.row] = nullptr;
        else
            ObjectGrid[cell.column][cell.row] = createObject(o, cell.column, cell.row);
    }
    mapColumns = map.columns;
    mapRows = map.rows;
    worldsBuilt++;
    const MapCell &home1 = map.cells[map.cow1Cell], &home2 = map.cells[map.cow2Cell];
    cowMaker().make(home1.column, home1.row, home2.column, home2.row);

    // placement pass, column by column
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (ObjectGrid[c][r])
                ObjectGrid[c][r]->placeHandler(c, r);
}

} // namespace

unsigned long long worldNumber() {
    return worldsBuilt;
}

Tile *tileAt(int column, int row) {
    return insideGrid(column, row) ? TileGrid[column][row] : nullptr;
}

WorldObject *objectAt(int column, int row) {
    return insideGrid(column, row) ? ObjectGrid[column][row] : nullptr;
}

bool loadMap(const char *path) {
    FILE *file = std::fopen(path, "r");
    if (!file)
        return refuse(path, 0, "the file cannot be opened");
    bool loaded = loadMapFrom(file, path);
    std::fclose(file);
    return loaded;
}

bool loadMapFrom(FILE *file, const char *name) {
    ParsedMap map;
    if (!readCells(file, name, map) || !checkMap(name, map))
        return false;
    freeWorld();
    buildWorld(map);
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
    cowMaker().free();
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
