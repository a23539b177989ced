// bmp.h: the BMP (DIB) reader: any common bitmap into 24-bit RGB rows.
//
// Accepted: a "BM" file or a bare DIB; a 12-byte core or 40-byte info header; 1, 4 and 8-bit
// palettised, 16-bit (5-5-5, or BI_BITFIELDS masks such as 5-6-5), 24-bit, 32-bit (BI_RGB or
// BI_BITFIELDS), RLE8 and RLE4; bottom-up or top-down rows (RLE only bottom-up).
// Damaged files are never read past their end. The choices for what the format leaves open:
// - a palette index beyond the file's colour table gives black;
// - RLE: pixels of a run past the end of a row are dropped, the stream stops at the last row,
//   at its end-of-bitmap code or at the end of the data; pixels it never sets (delta skips,
//   short rows) are black;
// - a file whose headers, colour table or uncompressed pixel rows reach past its end is refused.
#pragma once

#include <cstddef>

// A decoded image: `height` rows (positive, however the file stored them) of `width` RGB
// pixels, first row = bottom of the picture, no row padding. Allocated with malloc; the caller
// frees `pixels`, then the record.
struct ImageRecord {
    int width;
    int height;
    unsigned char *pixels;
};

// Read a BMP file; null after reporting the failure once on stderr ("Error: ...").
ImageRecord *loadBmpImage(const char *fileName);

// Why a BMP was refused; each has its own message.
enum class BmpFailure {
    None,
    OutOfMemory,   // "Out of memory."
    UnknownFormat, // "Unknown DIB file format." (header size neither 12 nor 40)
    Conversion,    // "Image file conversion error." (depth, compression or size not converted)
    Truncated,     // "DIB file %s is shorter than its headers announce."
};

// Largest image accepted, in pixels (width x height).
constexpr long long MaxBmpPixels = 1LL << 26;

// Decode a whole BMP file held in memory (`length` bytes) into a new ImageRecord, reporting
// nothing; null with *failure set when it is refused.
ImageRecord *decodeBmpImage(const unsigned char *bytes, size_t length, BmpFailure *failure);
