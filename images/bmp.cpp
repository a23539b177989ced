// bmp.cpp: the BMP reader: reads the whole file, checks every size and offset in it against its
// length, and converts each supported variant to bottom-up 24-bit RGB rows.
#include "images/bmp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr size_t FileHeaderBytes = 14;
constexpr uint32_t CoreHeaderBytes = 12;
constexpr uint32_t InfoHeaderBytes = 40;
constexpr size_t MaskBytes = 12; // three 32-bit BI_BITFIELDS masks after an info header

enum Compression : uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3 };

uint16_t readU16(const unsigned char *p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t readU32(const unsigned char *p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct Rgb {
    unsigned char r, g, b;
};

// One colour channel of a 16 or 32-bit pixel: where its bits are and how many.
struct Channel {
    uint32_t mask;
    int shift;
    int bits;

    // The channel of `pixel` widened (or narrowed) to 8 bits by repeating its bits.
    unsigned char widen(uint32_t pixel) const {
        if (bits == 0)
            return 0;
        uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<unsigned char>(value >> (bits - 8));
        uint32_t wide = 0;
        for (int at = 8 - bits; at > -bits; at -= bits)
            wide |= at >= 0 ? value << at : value >> -at;
        return static_cast<unsigned char>(wide);
    }
};

// Make the channel of a mask; false for a mask whose bits are not contiguous.
bool makeChannel(uint32_t mask, Channel &channel) {
    channel = {mask, 0, 0};
    if (mask == 0)
        return true;
    while (!((mask >> channel.shift) & 1))
        channel.shift++;
    uint32_t bits = mask >> channel.shift;
    if (bits & (bits + 1))
        return false;
    while (bits) {
        channel.bits++;
        bits >>= 1;
    }
    return true;
}

// Everything the converter needs from the headers, already checked against the file.
struct Dib {
    int64_t width = 0;
    int64_t rows = 0;     // |height|
    bool topDown = false; // negative height: the first stored row is the top one
    unsigned bitsPerPixel = 0;
    uint32_t compression = BiRgb;
    Rgb palette[256] = {}; // entries the file does not give stay black
    Channel channels[3] = {};
    const unsigned char *pixels = nullptr;
    size_t pixelBytes = 0; // from the pixel data to the end of the file (or of the RLE data)
};

// Colour-table entries when the header does not say: a full table for palettised depths.
size_t defaultEntries(unsigned bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

bool depthAndCompressionConvert(unsigned bitsPerPixel, uint32_t compression) {
    switch (compression) {
    case BiRgb:
        return defaultEntries(bitsPerPixel) > 0 || bitsPerPixel == 16 || bitsPerPixel == 24 ||
               bitsPerPixel == 32;
    case BiRle8:
        return bitsPerPixel == 8;
    case BiRle4:
        return bitsPerPixel == 4;
    case BiBitfields:
        return bitsPerPixel == 16 || bitsPerPixel == 32;
    default:
        return false;
    }
}

// Bytes of one stored uncompressed row: padded to a multiple of 4.
uint64_t rowStride(const Dib &dib) {
    return (dib.bitsPerPixel * uint64_t(dib.width) + 31) / 32 * 4;
}

// Read and check the headers, the masks and the colour table; find the pixel data.
BmpFailure parseHeaders(const unsigned char *bytes, size_t length, Dib &dib) {
    size_t headerAt = 0;
    bool havePixelOffset = false;
    uint64_t pixelOffset = 0;
    if (length >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        if (length < FileHeaderBytes)
            return BmpFailure::Truncated;
        pixelOffset = readU32(bytes + 10);
        havePixelOffset = true;
        headerAt = FileHeaderBytes;
    }
    if (length - headerAt < 4)
        return BmpFailure::Truncated;
    const unsigned char *header = bytes + headerAt;
    uint32_t headerSize = readU32(header);
    if (headerSize != CoreHeaderBytes && headerSize != InfoHeaderBytes)
        return BmpFailure::UnknownFormat;
    if (length - headerAt < headerSize)
        return BmpFailure::Truncated;

    int64_t height;
    uint32_t coloursUsed = 0;
    size_t entryBytes;
    if (headerSize == CoreHeaderBytes) {
        dib.width = readU16(header + 4);
        height = readU16(header + 6);
        dib.bitsPerPixel = readU16(header + 10);
        entryBytes = 3;
    } else {
        dib.width = static_cast<int32_t>(readU32(header + 4));
        height = static_cast<int32_t>(readU32(header + 8));
        dib.bitsPerPixel = readU16(header + 14);
        dib.compression = readU32(header + 16);
        coloursUsed = readU32(header + 32);
        entryBytes = 4;
    }
    dib.topDown = height < 0;
    dib.rows = height < 0 ? -height : height;
    if (dib.width <= 0 || dib.rows == 0 || dib.rows > MaxBmpPixels / dib.width)
        return BmpFailure::Conversion;
    if (!depthAndCompressionConvert(dib.bitsPerPixel, dib.compression))
        return BmpFailure::Conversion;
    bool rle = dib.compression == BiRle8 || dib.compression == BiRle4;
    if (rle && dib.topDown) // the format has no top-down compressed images
        return BmpFailure::Conversion;

    uint64_t tableAt = headerAt + headerSize;
    uint64_t masks = dib.compression == BiBitfields ? MaskBytes : 0;
    uint64_t entries = coloursUsed ? (coloursUsed & 0xFFFF) : defaultEntries(dib.bitsPerPixel);
    uint64_t tableEnd = tableAt + masks + entries * entryBytes;
    if (tableEnd > length)
        return BmpFailure::Truncated;
    if (!havePixelOffset)
        pixelOffset = tableEnd;
    if (pixelOffset > length)
        return BmpFailure::Truncated;

    if (dib.compression == BiBitfields) {
        for (int c = 0; c < 3; c++)
            if (!makeChannel(readU32(bytes + tableAt + 4 * c), dib.channels[c]))
                return BmpFailure::Conversion;
    } else if (dib.bitsPerPixel == 16) {
        makeChannel(0x7C00, dib.channels[0]);
        makeChannel(0x03E0, dib.channels[1]);
        makeChannel(0x001F, dib.channels[2]);
    } else if (dib.bitsPerPixel == 32) {
        makeChannel(0xFF0000, dib.channels[0]);
        makeChannel(0x00FF00, dib.channels[1]);
        makeChannel(0x0000FF, dib.channels[2]);
    }
    if (dib.bitsPerPixel <= 8) {
        const unsigned char *table = bytes + tableAt + masks;
        size_t used = entries < 256 ? static_cast<size_t>(entries) : 256;
        for (size_t i = 0; i < used; i++) {
            const unsigned char *entry = table + i * entryBytes; // blue, green, red
            dib.palette[i] = {entry[2], entry[1], entry[0]};
        }
    }

    dib.pixels = bytes + pixelOffset;
    dib.pixelBytes = length - static_cast<size_t>(pixelOffset);
    if (rle) {
        // the image size is the length of the compressed data: the file must hold all of it
        uint32_t imageSize = readU32(header + 20);
        if (imageSize > dib.pixelBytes)
            return BmpFailure::Truncated;
        if (imageSize != 0)
            dib.pixelBytes = imageSize;
        return BmpFailure::None;
    }
    // every row whole; the last one may lack its padding
    uint64_t lastRow = (dib.bitsPerPixel * uint64_t(dib.width) + 7) / 8;
    if (rowStride(dib) * uint64_t(dib.rows - 1) + lastRow > dib.pixelBytes)
        return BmpFailure::Truncated;
    return BmpFailure::None;
}

void putRgb(unsigned char *out, const Rgb &colour) {
    out[0] = colour.r;
    out[1] = colour.g;
    out[2] = colour.b;
}

// Convert one stored uncompressed row into `width` RGB pixels.
void convertRow(const Dib &dib, const unsigned char *src, unsigned char *out) {
    const int64_t width = dib.width;
    switch (dib.bitsPerPixel) {
    case 1:
        for (int64_t x = 0; x < width; x++)
            putRgb(out + 3 * x, dib.palette[(src[x >> 3] >> (7 - (x & 7))) & 1]);
        break;
    case 4:
        for (int64_t x = 0; x < width; x++)
            putRgb(out + 3 * x, dib.palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]);
        break;
    case 8:
        for (int64_t x = 0; x < width; x++)
            putRgb(out + 3 * x, dib.palette[src[x]]);
        break;
    case 16:
    case 32:
        for (int64_t x = 0; x < width; x++) {
            uint32_t pixel = dib.bitsPerPixel == 16 ? readU16(src + 2 * x) : readU32(src + 4 * x);
            out[3 * x] = dib.channels[0].widen(pixel);
            out[3 * x + 1] = dib.channels[1].widen(pixel);
            out[3 * x + 2] = dib.channels[2].widen(pixel);
        }
        break;
    default: // 24
        for (int64_t x = 0; x < width; x++) {
            out[3 * x] = src[3 * x + 2];
            out[3 * x + 1] = src[3 * x + 1];
            out[3 * x + 2] = src[3 * x];
        }
        break;
    }
}

void convertRows(const Dib &dib, unsigned char *out) {
    const uint64_t stride = rowStride(dib);
    const size_t outRow = static_cast<size_t>(dib.width) * 3;
    for (int64_t row = 0; row < dib.rows; row++) {
        int64_t bottomUp = dib.topDown ? dib.rows - 1 - row : row;
        convertRow(dib, dib.pixels + stride * row, out + outRow * bottomUp);
    }
}

// Decode RLE8 or RLE4 data into `out` (zero-filled), clipping runs at the row's end and
// stopping at the last row.
void convertRle(const Dib &dib, unsigned char *out) {
    const bool fourBit = dib.compression == BiRle4;
    const unsigned char *data = dib.pixels;
    const size_t size = dib.pixelBytes;
    size_t at = 0;
    int64_t x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (x < dib.width)
            putRgb(out + 3 * (y * dib.width + x), dib.palette[index]);
        x++;
    };
    while (y < dib.rows && size - at >= 2) {
        unsigned count = data[at], code = data[at + 1];
        at += 2;
        if (count > 0) { // a run of one index (RLE4: two alternating indices)
            for (unsigned i = 0; i < count; i++)
                put(fourBit ? ((i & 1) ? code & 15 : code >> 4) : code);
        } else if (code == 0) { // end of line
            x = 0;
            y++;
        } else if (code == 1) { // end of bitmap
            break;
        } else if (code == 2) { // delta: move right and up
            if (size - at < 2)
                break;
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > dib.width)
                x = dib.width;
        } else { // absolute: `code` indices follow, padded to an even number of bytes
            size_t bytes = fourBit ? (code + 1) / 2 : code;
            if (size - at < bytes)
                break;
            for (unsigned i = 0; i < code; i++)
                put(fourBit ? (data[at + i / 2] >> ((i & 1) ? 0 : 4)) & 15 : data[at + i]);
            at += bytes + (bytes & 1);
            if (at > size)
                at = size;
        }
    }
}

const char *failureText(BmpFailure failure) {
    switch (failure) {
    case BmpFailure::OutOfMemory:
        return "Out of memory.";
    case BmpFailure::UnknownFormat:
        return "Unknown DIB file format.";
    case BmpFailure::Conversion:
        return "Image file conversion error.";
    case BmpFailure::Truncated:
        return "DIB file %s is shorter than its headers announce.";
    default:
        return "";
    }
}

// One line on stderr: "Error: " and the text, %s replaced by the file name.
void reportError(const char *text, const char *fileName) {
    std::string line = "Error: ";
    for (const char *c = text; *c; c++) {
        if (c[0] == '%' && c[1] == 's') {
            line += fileName;
            c++;
        } else {
            line += *c;
        }
    }
    if (line.back() != '\n')
        line += '\n';
    std::fputs(line.c_str(), stderr);
}

struct FileCloser {
    void operator()(FILE *file) const { std::fclose(file); }
};

// The whole file, or false when it cannot be opened or read, or is empty.
bool readWholeFile(const char *fileName, std::vector<unsigned char> &bytes) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(fileName, "rb"));
    if (!file)
        return false;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return !std::ferror(file.get()) && !bytes.empty();
}

} // namespace

ImageRecord *decodeBmpImage(const unsigned char *bytes, size_t length, BmpFailure *failure) {
    Dib dib;
    *failure = parseHeaders(bytes, length, dib);
    if (*failure != BmpFailure::None)
        return nullptr;
    size_t pixelBytes = static_cast<size_t>(dib.width * dib.rows * 3);
    auto *pixels = static_cast<unsigned char *>(std::calloc(pixelBytes, 1));
    auto *image = static_cast<ImageRecord *>(std::malloc(sizeof(ImageRecord)));
    if (!pixels || !image) {
        std::free(pixels);
        std::free(image);
        *failure = BmpFailure::OutOfMemory;
        return nullptr;
    }
    if (dib.compression == BiRle8 || dib.compression == BiRle4)
        convertRle(dib, pixels);
    else
        convertRows(dib, pixels);
    image->width = static_cast<int>(dib.width);
    image->height = static_cast<int>(dib.rows);
    image->pixels = pixels;
    return image;
}

ImageRecord *loadBmpImage(const char *fileName) {
    const char *name = fileName ? fileName : "(null)";
    std::vector<unsigned char> bytes;
    BmpFailure failure = BmpFailure::None;
    ImageRecord *image = nullptr;
    try {
        if (!fileName || !readWholeFile(fileName, bytes)) {
            reportError("Failed to open DIB file %s.\n", name);
            return nullptr;
        }
        image = decodeBmpImage(bytes.data(), bytes.size(), &failure);
    } catch (const std::bad_alloc &) {
        failure = BmpFailure::OutOfMemory;
    }
    if (!image)
        reportError(failureText(failure), name);
    return image;
}
