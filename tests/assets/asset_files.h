// asset_files.h: independent readers of the asset files for the tests: BMP and WAV headers
// and samples, parsed byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The whole file, or empty when it cannot be read.
std::vector<unsigned char> readFile(const std::string &path);

// A 24-bit BMP as the tests see it: header fields and the pixels, top row first.
struct BmpFile {
    bool valid = false;
    std::string problem; // why it is not valid
    int width = 0, height = 0, bitsPerPixel = 0, compression = -1;
    std::vector<std::uint8_t> rgb; // width * height * 3, row 0 = top of the picture
    int at(int x, int y, int channel) const {
        return rgb[(static_cast<size_t>(y) * width + x) * 3 + channel];
    }
};
BmpFile readBmp(const std::string &path);

// A PCM WAV as the tests see it.
struct WavFile {
    bool valid = false;
    std::string problem;
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<std::int16_t> samples;
    double seconds() const {
        return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0;
    }
};
WavFile readWav(const std::string &path);
