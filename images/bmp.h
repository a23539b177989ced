// bmp.h: the BMP (DIB) reader: any common bitmap into 24-bit RGB rows.
#pragma once

// A decoded image: `height` rows of `width` RGB pixels, first row = bottom of the picture,
// no row padding. Allocated with malloc; the caller frees `pixels`, then the record.
struct ImageRecord {
    int width;
    int height;
    unsigned char *pixels;
};

// Read a BMP file; null after reporting the failure once on stderr ("Error: ...").
ImageRecord *loadBmpImage(const char *fileName);
