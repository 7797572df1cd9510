// Fuzz target: the static cursor reader on arbitrary bytes must refuse or give a consistent image.
#include "platform/CursorFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::CursorImage image;
    if (platform::ParseStaticCursor({data, size}, image).empty()) {
        const bool consistent =
            image.pixels.size() == static_cast<std::size_t>(image.width) * image.height * 4 &&
            image.hotspotX >= 0 && image.hotspotX < image.width && image.hotspotY >= 0 &&
            image.hotspotY < image.height;
        if (!consistent) {
            std::abort();
        }
    }
    return 0;
}
