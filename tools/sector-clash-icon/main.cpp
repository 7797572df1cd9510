// sector-clash-icon: writes the game's window icon as a PNG file, for the desktop entry of an installation.
#include "platform/PngFile.h"
#include "platform/WindowIcon.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sector-clash-icon SIZE OUT.png\n"
                             "Paints the window icon at SIZE x SIZE pixels (16 to 512) into OUT.png.\n");
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 16 || size > 512) {
        std::fprintf(stderr, "sector-clash-icon: size %s is outside 16 to 512\n", argv[1]);
        return 2;
    }
    platform::RgbaImage image;
    image.width = size;
    image.height = size;
    image.pixels = platform::PaintIcon(size);
    const std::string error = platform::WritePng(argv[2], image);
    if (!error.empty()) {
        std::fprintf(stderr, "sector-clash-icon: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
