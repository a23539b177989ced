// sound_folder.cpp: test WAV files made with sox in a temporary folder.
#include "sound_folder.h"
#include "audio/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

// A 440 Hz tone of `seconds` in `format` (sox output options) written to `file`.
static void makeTone(const std::string &file, const char *format, double seconds) {
    std::string command = std::string("sox -n ") + format + " " + file + " synth " +
                          std::to_string(seconds) + " sine 440";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "sox failed: " << command;
}

std::string makeSoundFolder(double seconds) {
    char pattern[] = "/tmp/pasturon-audio.XXXXXX";
    std::string folder = mkdtemp(pattern);
    fs::create_directory(folder + "/sounds");
    std::string mono16 = folder + "/mono16.wav", stereo8 = folder + "/stereo8.wav";
    makeTone(mono16, "-r 22050 -b 16 -c 1", seconds);
    makeTone(stereo8, "-r 22050 -b 8 -c 2", seconds);
    for (int i = 0; i < SoundCount; i++)
        fs::copy_file(i == 1 || i == 2 ? stereo8 : mono16,
                      folder + "/" + soundFile(static_cast<Sound>(i)));
    return folder;
}

void spoilSoundFile(const std::string &folder, const char *file) {
    std::ofstream(folder + "/sounds/" + file, std::ios::trunc) << "not a wave file\n";
}

void removeSoundFolder(const std::string &folder) {
    fs::remove_all(folder);
}
