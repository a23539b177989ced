// test_map.h: small maps written for a test and loaded into the world grids.
#pragma once

#include <string>
#include <vector>

// Write `lines` (each ended with a line feed) to a temporary map file and load it; false when
// the loader refuses it.
bool loadTestMap(const std::vector<std::string> &lines);
// A map `columns` x `rows` of tile `tile` with no objects, cow 1 and cow 2 at the given cells.
std::vector<std::string> plainMap(int columns, int rows, char tile, int cow1Column, int cow1Row,
                                  int cow2Column, int cow2Row);
// Put object character `object` on cell (column, row) of a map made by plainMap.
void putObject(std::vector<std::string> &map, int column, int row, char object);
// Put tile character `tile` on cell (column, row) of a map made by plainMap.
void putTile(std::vector<std::string> &map, int column, int row, char tile);
