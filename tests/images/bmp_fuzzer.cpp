// bmp_fuzzer.cpp: libFuzzer target: any bytes as a BMP file; the reader must refuse or decode
// them without reading or writing out of bounds, and a decoded image must be whole.
#include "images/bmp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    BmpFailure failure;
    ImageRecord *image = decodeBmpImage(data, size, &failure);
    if ((image == nullptr) != (failure != BmpFailure::None))
        std::abort();
    if (image) {
        if (image->width <= 0 || image->height <= 0 ||
            static_cast<long long>(image->width) * image->height > MaxBmpPixels)
            std::abort();
        // the first and last byte the record promises: a short buffer shows up under ASan
        size_t bytes = static_cast<size_t>(image->width) * image->height * 3;
        volatile unsigned char ends = image->pixels[0] ^ image->pixels[bytes - 1];
        (void)ends;
        std::free(image->pixels);
        std::free(image);
    }
    return 0;
}
