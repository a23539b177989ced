// test_map.h: the small maps the tests write, loaded into the world grids through the game's
// own loader: as the bytes of a file, as lines of cells, or as rows of objects on grass.
#pragma once

#include <string>
#include <vector>

// Load `text` as the bytes of a map file named "test.map"; false when the loader refuses it.
bool loadMapText(const std::string &text);
// The same, capturing what the loader writes to standard error into `*errors`.
bool loadMapTextCapturing(const std::string &text, std::string *errors);

// Load `lines` (two characters per cell, each line ended with a line feed).
bool loadTestMap(const std::vector<std::string> &lines);
// A map `columns` x `rows` of tile `tile` with no objects, cow 1 and cow 2 at the given cells.
std::vector<std::string> plainMap(int columns, int rows, char tile, int cow1Column, int cow1Row,
                                  int cow2Column, int cow2Row);
// Put object character `object` on cell (column, row) of a map made by plainMap.
void putObject(std::vector<std::string> &map, int column, int row, char object);
// Put tile character `tile` on cell (column, row) of a map made by plainMap.
void putTile(std::vector<std::string> &map, int column, int row, char tile);

// Load a map given as rows of object characters (' ' for none) on grass; the rows must hold
// one '1' and one '2'.
bool loadObjectRows(const std::vector<std::string> &rows);
