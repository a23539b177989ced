// sound_folder.h: throw-away working folders with a "sounds/" folder of test WAV files.
#pragma once

#include <string>

// A fresh temporary folder whose "sounds/" holds a tone of `seconds` under every name
// (16-bit mono, 22050 Hz; the two cow-1 moos 8-bit stereo). Returns its path.
std::string makeSoundFolder(double seconds);

// Replace one file of the folder with text that is not a WAV file.
void spoilSoundFile(const std::string &folder, const char *file);

// Delete the folder and everything in it.
void removeSoundFolder(const std::string &folder);
