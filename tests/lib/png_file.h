// png_file.h: 8-bit RGB pictures read from and written to PNG files (through libpng), for the
// rendered tests' reference pictures and screenshots.
#pragma once

#include <string>
#include <vector>

// An RGB picture, rows from the top, three bytes per pixel.
struct RgbPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

// Read `path` into `picture` (any PNG colour type is turned into 8-bit RGB); false when the
// file is missing or not a PNG.
bool readPng(const std::string &path, RgbPicture *picture);
// Write `picture` to `path`; false when the file cannot be written.
bool writePng(const std::string &path, const RgbPicture &picture);
