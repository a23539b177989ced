// screenshot.h: the picture in the window's back buffer, written as a PNG file.
#pragma once

#include <cstdio>
#include <string>

// Write the back buffer of the current window, `width` x `height` pixels, to `file` as an
// 8-bit RGB PNG, top row first. False with `error` set when libpng fails.
bool writeWindowPng(FILE *file, int width, int height, std::string &error);
