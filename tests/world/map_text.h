// map_text.h: loading maps written inline in the world tests and the loader's fuzzer.
#pragma once

#include <string>

// Load `text` as the bytes of a map file named "test.map".
bool loadMapText(const std::string &text);

// Load `text` as a map, capturing what the loader writes to standard error into `*errors`.
bool loadMapTextCapturing(const std::string &text, std::string *errors);

// True when every cell the passes visit holds a tile of that cell and every object there stands
// on its own cell, the cows are linked and stand on tiles: the world the game relies on.
bool worldIsConsistent();
