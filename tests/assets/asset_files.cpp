// asset_files.cpp: BMP and WAV readers for the asset tests, separate from the game's loaders.
#include "asset_files.h"

#include <fstream>
#include <iterator>

std::vector<unsigned char> readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

static std::uint32_t le(const std::vector<unsigned char> &b, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

BmpFile readBmp(const std::string &path) {
    BmpFile bmp;
    std::vector<unsigned char> b = readFile(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        bmp.problem = "not a BMP file";
        return bmp;
    }
    if (le(b, 2, 4) != b.size()) {
        bmp.problem = "file size field does not match the file";
        return bmp;
    }
    if (le(b, 14, 4) < 40) {
        bmp.problem = "no BITMAPINFOHEADER";
        return bmp;
    }
    const std::uint32_t offset = le(b, 10, 4);
    bmp.width = static_cast<int>(le(b, 18, 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(le(b, 22, 4));
    bmp.height = rawHeight < 0 ? -rawHeight : rawHeight;
    bmp.bitsPerPixel = static_cast<int>(le(b, 28, 2));
    bmp.compression = static_cast<int>(le(b, 30, 4));
    if (le(b, 26, 2) != 1 || bmp.bitsPerPixel != 24 || bmp.compression != 0 || bmp.width <= 0 ||
        bmp.height <= 0) {
        bmp.problem = "not an uncompressed 24-bit picture";
        return bmp;
    }
    const size_t rowBytes = (static_cast<size_t>(bmp.width) * 3 + 3) & ~size_t(3);
    if (offset + rowBytes * bmp.height > b.size()) {
        bmp.problem = "pixel rows run past the end of the file";
        return bmp;
    }
    bmp.rgb.resize(static_cast<size_t>(bmp.width) * bmp.height * 3);
    for (int y = 0; y < bmp.height; ++y) {
        int fileRow = rawHeight > 0 ? bmp.height - 1 - y : y; // bottom-up unless negative
        const unsigned char *row = &b[offset + rowBytes * fileRow];
        for (int x = 0; x < bmp.width; ++x)
            for (int ch = 0; ch < 3; ++ch)
                bmp.rgb[(static_cast<size_t>(y) * bmp.width + x) * 3 + ch] = row[x * 3 + 2 - ch];
    }
    bmp.valid = true;
    return bmp;
}

WavFile readWav(const std::string &path) {
    WavFile wav;
    std::vector<unsigned char> b = readFile(path);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        wav.problem = "not a RIFF WAVE file";
        return wav;
    }
    if (le(b, 4, 4) + 8 != b.size()) {
        wav.problem = "RIFF size does not match the file";
        return wav;
    }
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        size_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size()) {
            wav.problem = "chunk " + id + " runs past the end";
            return wav;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<int>(le(b, at + 8, 2));
            wav.channels = static_cast<int>(le(b, at + 10, 2));
            wav.sampleRate = static_cast<int>(le(b, at + 12, 4));
            wav.bitsPerSample = static_cast<int>(le(b, at + 22, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && wav.bitsPerSample == 16) {
            for (size_t i = 0; i + 1 < size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || wav.samples.empty()) {
        wav.problem = "no format chunk or no 16-bit samples";
        return wav;
    }
    wav.valid = true;
    return wav;
}
