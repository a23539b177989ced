// test_map.h: small grass maps given as rows of object characters, loaded into the world grids.
#pragma once

#include <string>
#include <vector>

// Load a map given as rows of object characters (' ' for none) on grass; the caller's rows
// must hold one '1' and one '2'. False when the loader refuses it.
bool loadObjectRows(const std::vector<std::string> &rows);
