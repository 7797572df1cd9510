// Fuzz target: the aBitmap reader on arbitrary bytes must answer a status, never crash or over-read.
#include "graphics/BitmapImage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Vorn::BitmapImage image;
    const int status = image.ReadBytes({data, size});
    const bool consistent =
        status == Vorn::BitmapImage::Read
            ? image.pixels.size() == static_cast<std::size_t>(image.width) * image.height * 4
            : image.pixels.empty();
    if (!consistent) {
        std::abort();
    }
    return 0;
}
