// screenshot.cpp: the window's back buffer read back and written through libpng.
#include "shell/screenshot.h"

#include <GL/gl.h>
#include <csetjmp>
#include <png.h>
#include <vector>

namespace {

constexpr int BytesPerPixel = 3; // RGB

void pngError(png_structp png, png_const_charp message) {
    *static_cast<std::string *>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

} // namespace

bool writeWindowPng(FILE *file, int width, int height, std::string &error) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * BytesPerPixel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // GL counts rows from the bottom, PNG from the top
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; y++)
        rows[static_cast<size_t>(y)] =
            pixels.data() + static_cast<size_t>(height - 1 - y) * width * BytesPerPixel;

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, pngError, pngWarning);
    if (!png) {
        error = "libpng could not start";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        if (error.empty())
            error = "libpng could not start";
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file) != 0 || std::ferror(file)) {
        error = "the file could not be written";
        return false;
    }
    return true;
}
