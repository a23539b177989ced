// bmp_test.cpp: the BMP reader against files from other producers (fixtures/good, with the
// pixels they hold), damaged files (fixtures/bad), and the reader's own choices for palette
// indices and RLE streams that leave the picture.
#include "images/bmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

struct FreedImage {
    ImageRecord *image;
    explicit FreedImage(ImageRecord *image) : image(image) {}
    ~FreedImage() {
        if (image) {
            std::free(image->pixels);
            std::free(image);
        }
    }
};

Bytes readFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A binary PPM (P6, maxval 255) as width, height and RGB rows from the top.
struct Ppm {
    int width = 0, height = 0;
    Bytes rgb;
};

Ppm readPpm(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    Ppm ppm;
    in >> magic >> ppm.width >> ppm.height >> maxval;
    in.get();
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(maxval, 255);
    ppm.rgb.resize(size_t(ppm.width) * ppm.height * 3);
    in.read(reinterpret_cast<char *>(ppm.rgb.data()), std::streamsize(ppm.rgb.size()));
    EXPECT_TRUE(in.good()) << path;
    return ppm;
}

// The record's rows turned top row first, to compare with a PPM.
Bytes topRowFirst(const ImageRecord &image) {
    size_t row = size_t(image.width) * 3;
    Bytes out;
    for (int y = image.height - 1; y >= 0; y--)
        out.insert(out.end(), image.pixels + row * y, image.pixels + row * (y + 1));
    return out;
}

// Load a file and return what went to stderr.
std::string loadReporting(const std::string &path, ImageRecord **image) {
    testing::internal::CaptureStderr();
    *image = loadBmpImage(path.c_str());
    return testing::internal::GetCapturedStderr();
}

void putU16(Bytes &b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void putU32(Bytes &b, uint32_t v) {
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

// A "BM" file with a 40-byte header; `table` goes between the header and the pixels.
Bytes makeBmp(int32_t width, int32_t height, unsigned bpp, uint32_t compression, const Bytes &table,
              const Bytes &pixels, uint32_t coloursUsed = 0) {
    Bytes b = {'B', 'M'};
    putU32(b, uint32_t(14 + 40 + table.size() + pixels.size()));
    putU32(b, 0);
    putU32(b, uint32_t(14 + 40 + table.size()));
    putU32(b, 40);
    putU32(b, uint32_t(width));
    putU32(b, uint32_t(height));
    putU16(b, 1);
    putU16(b, bpp);
    putU32(b, compression);
    putU32(b, uint32_t(pixels.size()));
    putU32(b, 0);
    putU32(b, 0);
    putU32(b, coloursUsed);
    putU32(b, 0);
    b.insert(b.end(), table.begin(), table.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// Colour table entries (blue, green, red, 0) for red, green, blue, white.
const Bytes FourColours = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
const unsigned char Black[3] = {0, 0, 0};
const unsigned char Red[3] = {255, 0, 0}, Green[3] = {0, 255, 0}, Blue[3] = {0, 0, 255},
                    White[3] = {255, 255, 255};

// Decode bytes that must be accepted; the pixels as a string of colour letters per row,
// bottom row first ("rgbw" for the four colours, "k" for black).
std::vector<std::string> decodeLetters(const Bytes &file) {
    BmpFailure failure;
    FreedImage image(decodeBmpImage(file.data(), file.size(), &failure));
    EXPECT_EQ(failure, BmpFailure::None);
    std::vector<std::string> rows;
    if (!image.image)
        return rows;
    for (int y = 0; y < image.image->height; y++) {
        std::string row;
        for (int x = 0; x < image.image->width; x++) {
            const unsigned char *p = image.image->pixels + 3 * (size_t(y) * image.image->width + x);
            char letter = '?';
            for (auto [c, rgb] :
                 {std::pair{'r', Red}, {'g', Green}, {'b', Blue}, {'w', White}, {'k', Black}})
                if (std::equal(p, p + 3, rgb))
                    letter = c;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

BmpFailure decodeFailure(const Bytes &file) {
    BmpFailure failure;
    FreedImage image(decodeBmpImage(file.data(), file.size(), &failure));
    EXPECT_EQ(image.image == nullptr, failure != BmpFailure::None);
    return failure;
}

TEST(BmpFixtures, EveryProducerFileDecodesToTheProducersPixels) {
    int checked = 0;
    for (const auto &entry : fs::directory_iterator("fixtures/good")) {
        if (entry.path().extension() != ".bmp")
            continue;
        SCOPED_TRACE(entry.path().string());
        Ppm expected = readPpm(fs::path(entry.path()).replace_extension(".ppm"));
        ImageRecord *raw;
        std::string errors = loadReporting(entry.path().string(), &raw);
        FreedImage image(raw);
        ASSERT_NE(raw, nullptr) << errors;
        EXPECT_EQ(errors, "");
        EXPECT_EQ(raw->width, expected.width);
        EXPECT_EQ(raw->height, expected.height);
        EXPECT_TRUE(topRowFirst(*raw) == expected.rgb);
        checked++;
    }
    EXPECT_GE(checked, 60); // every variant at widths 1 to 5, and the extras
}

TEST(BmpFixtures, RowsAreUnpaddedAndTheFirstRowIsTheBottomOne) {
    ImageRecord *raw;
    EXPECT_EQ(loadReporting("fixtures/good/t24_w3.bmp", &raw), "");
    FreedImage narrow(raw);
    ASSERT_NE(raw, nullptr);
    Bytes file = readFile("fixtures/good/t24_w3.bmp");
    // the file's rows are 12 bytes; the record's 9, the second row right after the first
    EXPECT_EQ(file.size(), 54u + 3 * 12);
    EXPECT_TRUE(std::equal(raw->pixels + 9, raw->pixels + 12,
                           Bytes{file[54 + 14], file[54 + 13], file[54 + 12]}.begin()));

    EXPECT_EQ(loadReporting("fixtures/good/t24_100x60.bmp", &raw), "");
    FreedImage big(raw);
    ASSERT_NE(raw, nullptr);
    ASSERT_EQ(raw->width, 100);
    ASSERT_EQ(raw->height, 60);
    EXPECT_EQ(raw->pixels[1], 255);                     // green 255: the picture's bottom row
    EXPECT_EQ(raw->pixels[100 * 59 * 3 + 1], 0);        // green 0: its top row
    EXPECT_EQ(raw->pixels[100 * 59 * 3 + 99 * 3], 255); // red grows to the right
}

TEST(BmpFixtures, TopDownFilesComeOutLikeTheirBottomUpOriginals) {
    for (const char *name : {"t24_w5", "p8_w5", "p1_w5", "bf565_w5"}) {
        SCOPED_TRACE(name);
        ImageRecord *a, *b;
        EXPECT_EQ(loadReporting(std::string("fixtures/good/") + name + ".bmp", &a), "");
        FreedImage up(a);
        EXPECT_EQ(loadReporting(std::string("fixtures/good/td_") + name + ".bmp", &b), "");
        FreedImage down(b);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(b->height, 3); // a positive height, however the file stored it
        EXPECT_TRUE(std::equal(a->pixels, a->pixels + 45, b->pixels));
    }
}

TEST(BmpFixtures, DamagedFilesAreRefusedWithOneLine) {
    const std::string truncated = " is shorter than its headers announce.\n";
    const std::pair<const char *, std::string> cases[] = {
        {"v4_header", "Error: Unknown DIB file format.\n"},
        {"v5_header", "Error: Unknown DIB file format.\n"},
        {"os2v2_header", "Error: Unknown DIB file format.\n"},
        {"not_bmp", "Error: Unknown DIB file format.\n"},
        {"empty", "Error: Failed to open DIB file fixtures/bad/empty.bmp.\n"},
        {"trunc_file_header", truncated},
        {"trunc_header_size", truncated},
        {"trunc_info_header", truncated},
        {"trunc_core_header", truncated},
        {"trunc_palette", truncated},
        {"trunc_masks", truncated},
        {"trunc_pixels", truncated},
        {"trunc_pixels_p1", truncated},
        {"trunc_dib", truncated},
        {"trunc_rle", truncated},
        {"huge_offset", truncated},
        {"offset_at_end", truncated},
        {"colours_used_huge", truncated},
        {"overflow_size", "Error: Image file conversion error.\n"},
        {"overflow_rle", "Error: Image file conversion error.\n"},
        {"width_zero", "Error: Image file conversion error.\n"},
        {"width_negative", "Error: Image file conversion error.\n"},
        {"height_zero", "Error: Image file conversion error.\n"},
        {"bpp_0", "Error: Image file conversion error.\n"},
        {"bpp_2", "Error: Image file conversion error.\n"},
        {"bpp_48", "Error: Image file conversion error.\n"},
        {"compression_jpeg", "Error: Image file conversion error.\n"},
        {"rle8_on_24", "Error: Image file conversion error.\n"},
        {"rle4_on_8", "Error: Image file conversion error.\n"},
        {"bitfields_on_24", "Error: Image file conversion error.\n"},
        {"bitfields_gap", "Error: Image file conversion error.\n"},
        {"rle_top_down", "Error: Image file conversion error.\n"},
    };
    size_t files = 0;
    for (const auto &entry : fs::directory_iterator("fixtures/bad"))
        files += entry.path().extension() == ".bmp";
    EXPECT_EQ(files, std::size(cases)); // every damaged file has its expected failure here

    for (const auto &[name, message] : cases) {
        std::string path = std::string("fixtures/bad/") + name + ".bmp";
        SCOPED_TRACE(path);
        ImageRecord *image;
        std::string errors = loadReporting(path, &image);
        EXPECT_EQ(image, nullptr);
        if (message == truncated)
            EXPECT_EQ(errors, "Error: DIB file " + path + truncated);
        else
            EXPECT_EQ(errors, message);
    }
}

TEST(BmpLoad, FilesThatCannotBeReadAreOpenFailures) {
    ImageRecord *image;
    EXPECT_EQ(loadReporting("fixtures/no such.bmp", &image),
              "Error: Failed to open DIB file fixtures/no such.bmp.\n");
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(loadReporting("fixtures", &image), "Error: Failed to open DIB file fixtures.\n");
    EXPECT_EQ(image, nullptr);
    // a name that looks like a format is printed as it is
    EXPECT_EQ(loadReporting("%s%n.bmp", &image), "Error: Failed to open DIB file %s%n.bmp.\n");
}

TEST(BmpPalette, IndicesBeyondTheColourTableAreBlack) {
    // 8-bit, colours used 2 (red, green): indices 0, 1, 2, 255
    Bytes table(FourColours.begin(), FourColours.begin() + 8);
    EXPECT_EQ(decodeLetters(makeBmp(4, 1, 8, 0, table, {0, 1, 2, 255}, 2)),
              std::vector<std::string>{"rgkk"});
    // 4-bit with a 3-entry table: index 3 and 15
    table.assign(FourColours.begin(), FourColours.begin() + 12);
    EXPECT_EQ(decodeLetters(makeBmp(4, 1, 4, 0, table, {0x12, 0x3F, 0, 0}, 3)),
              std::vector<std::string>{"gbkk"});
}

// An RLE8 (or RLE4) image of 4 x 3 pixels over the four-colour table.
Bytes rle(const Bytes &stream, bool fourBit = false) {
    return makeBmp(4, 3, fourBit ? 4 : 8, fourBit ? 2 : 1, FourColours, stream, 4);
}

TEST(BmpRle, RunsArePaintedAndMovesSkipPixels) {
    // row 0: 2 red, absolute g b w (padded); row 1: delta right 1 up 1 lands on row 2 at x 1
    Bytes stream = {2, 0, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 3, 3, 0, 1};
    EXPECT_EQ(decodeLetters(rle(stream)), (std::vector<std::string>{"rrgb", "kkkk", "kwww"}));
    // RLE4: an encoded run alternates its two indices, an absolute run of 3 is padded
    Bytes stream4 = {4, 0x12, 0, 0, 0, 3, 0x30, 0x10, 0, 0, 2, 0x33, 0, 1};
    EXPECT_EQ(decodeLetters(rle(stream4, true)),
              (std::vector<std::string>{"gbgb", "wrgk", "wwkk"}));
}

TEST(BmpRle, RunsPastARowAreClippedAndTheImageEndStopsTheStream) {
    // a 200-pixel run on row 0 stays in row 0; an absolute run of 6 on row 1 keeps 4
    Bytes stream = {200, 1, 0, 0, 0, 6, 3, 3, 3, 3, 1, 1, 0, 0, 1, 2};
    EXPECT_EQ(decodeLetters(rle(stream)), (std::vector<std::string>{"gggg", "wwww", "bkkk"}));
    // a delta far past the right edge and the top; what follows is ignored
    Bytes past = {1, 1, 0, 2, 255, 0, 1, 2, 0, 2, 0, 255, 255, 3, 0, 0, 200, 3};
    EXPECT_EQ(decodeLetters(rle(past)), (std::vector<std::string>{"gkkk", "kkkk", "kkkk"}));
    // rows past the last one are never written (the image ends after 3 lines)
    Bytes tall = {4, 0, 0, 0, 4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0, 4, 3};
    EXPECT_EQ(decodeLetters(rle(tall)), (std::vector<std::string>{"rrrr", "gggg", "bbbb"}));
}

TEST(BmpRle, ShortStreamsKeepWhatTheyPainted) {
    // no end-of-bitmap code; an absolute run announced longer than the data; a lone byte
    EXPECT_EQ(decodeLetters(rle({2, 3})), (std::vector<std::string>{"wwkk", "kkkk", "kkkk"}));
    EXPECT_EQ(decodeLetters(rle({1, 2, 0, 4, 1})),
              (std::vector<std::string>{"bkkk", "kkkk", "kkkk"}));
    EXPECT_EQ(decodeLetters(rle({1, 2, 0, 2, 1})),
              (std::vector<std::string>{"bkkk", "kkkk", "kkkk"}));
    EXPECT_EQ(decodeLetters(rle({3})), (std::vector<std::string>{"kkkk", "kkkk", "kkkk"}));
}

TEST(BmpBitfields, MasksOfAnyWidthAreWidenedByRepeatingTheirBits) {
    // 16-bit, 4-4-4 masks at the top, then 1-bit red, zero green, 3-bit blue
    Bytes masks;
    for (uint32_t m : {0xF000u, 0x0F00u, 0x00F0u})
        putU32(masks, m);
    BmpFailure failure;
    Bytes file = makeBmp(2, 1, 16, 3, masks, {0x00, 0xF8, 0x50, 0x0A});
    FreedImage a(decodeBmpImage(file.data(), file.size(), &failure));
    ASSERT_NE(a.image, nullptr);
    EXPECT_EQ(Bytes(a.image->pixels, a.image->pixels + 6),
              (Bytes{0xFF, 0x88, 0x00, 0x00, 0xAA, 0x55}));

    masks.clear();
    for (uint32_t m : {0x8000u, 0u, 0x0007u})
        putU32(masks, m);
    file = makeBmp(2, 1, 16, 3, masks, {0x05, 0x80, 0x02, 0x00});
    FreedImage b(decodeBmpImage(file.data(), file.size(), &failure));
    ASSERT_NE(b.image, nullptr);
    EXPECT_EQ(Bytes(b.image->pixels, b.image->pixels + 6), (Bytes{0xFF, 0, 0xB6, 0, 0, 0x49}));

    // 32-bit, 10-bit channels keep their top 8 bits
    masks.clear();
    for (uint32_t m : {0x3FF00000u, 0x000FFC00u, 0x000003FFu})
        putU32(masks, m);
    Bytes pixel;
    putU32(pixel, 0x3FF00000u | (0x200u << 10) | 0x003u);
    file = makeBmp(1, 1, 32, 3, masks, pixel);
    FreedImage c(decodeBmpImage(file.data(), file.size(), &failure));
    ASSERT_NE(c.image, nullptr);
    EXPECT_EQ(Bytes(c.image->pixels, c.image->pixels + 3), (Bytes{0xFF, 0x80, 0x00}));
}

TEST(BmpSizes, AbsurdSizesAreRefusedBeforeAnyAllocation) {
    // RLE data is tiny whatever the size, so only the size limit stands in the way
    Bytes eob = {0, 1};
    auto sized = [&](int32_t w, int32_t h) { return makeBmp(w, h, 8, 1, FourColours, eob, 4); };
    EXPECT_EQ(decodeFailure(sized(8192, 8193)), BmpFailure::Conversion);
    EXPECT_EQ(decodeFailure(sized(INT32_MAX, 2)), BmpFailure::Conversion);
    EXPECT_EQ(decodeFailure(sized(2, INT32_MIN)), BmpFailure::Conversion);
    EXPECT_EQ(decodeFailure(sized(INT32_MIN, 2)), BmpFailure::Conversion);
    EXPECT_EQ(decodeFailure(sized(4096, 64)), BmpFailure::None);
    // uncompressed: a size the file cannot hold is refused as short, not allocated
    EXPECT_EQ(decodeFailure(makeBmp(4096, 4096, 24, 0, {}, {1, 2, 3})), BmpFailure::Truncated);
}

TEST(BmpHeaders, ColourTablesAndPixelsAreFoundWhereTheHeadersSay) {
    // a bare DIB with a 16-entry table: pixels at byte 40 + 64 = 104
    Bytes dib = readFile("fixtures/good/dib4_w5.bmp");
    ASSERT_GT(dib.size(), 104u);
    Bytes moved = dib;
    moved[104] ^= 0xFF; // change the first two pixels
    BmpFailure failure;
    FreedImage a(decodeBmpImage(dib.data(), dib.size(), &failure));
    FreedImage b(decodeBmpImage(moved.data(), moved.size(), &failure));
    ASSERT_TRUE(a.image && b.image);
    EXPECT_FALSE(std::equal(a.image->pixels, a.image->pixels + 6, b.image->pixels));
    EXPECT_TRUE(std::equal(a.image->pixels + 6, a.image->pixels + 45, b.image->pixels + 6));

    // "BM": the offset at byte 10 wins over the table's end
    Bytes pixels = {0, 1, 2, 3, 0, 0, 0, 0};
    Bytes file = makeBmp(4, 1, 8, 0, FourColours, pixels, 4);
    file[10] += 4; // skip the first four bytes
    EXPECT_EQ(decodeLetters(file), std::vector<std::string>{"rrrr"});
}

} // namespace
