// assets.h: the generator's three parts: textures, the splash picture and the sounds.
#pragma once

#include <string>

// Each writes its files under dataDir (whose subfolders exist) and reports a failure on
// stderr; false on the first file it cannot write.
bool makeTextures(const std::string &dataDir);
bool makeSplash(const std::string &dataDir, const std::string &titleFontPath);
bool makeSounds(const std::string &dataDir);
