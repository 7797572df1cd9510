// sector-clash-gallery: renders the game's drawings onto one PNG sheet for looking at the art.
//
//   sector-clash-gallery OUT.png [--side N]     every drawing and variant, in side N's colour (default 1)
//
// Runs from the folder that holds "data/", under an X display.
#include "tools/sector-clash-gallery/DrawingSheet.h"
#include "tools/sector-clash-gallery/GallerySheet.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int windowWidth = 1024;
constexpr int windowHeight = 768;

int Usage() {
    std::fprintf(stderr, "usage: sector-clash-gallery OUT.png [--side N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    gallery::DrawingSheetOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--side") == 0 && i + 1 < argc) {
            options.side = std::atoi(argv[++i]);
        } else if (argv[i][0] != '-' && options.output.empty()) {
            options.output = argv[i];
        } else {
            return Usage();
        }
    }
    if (options.output.empty()) {
        return Usage();
    }
    std::string reason;
    auto window = gallery::GalleryWindow::Open(windowWidth, windowHeight, reason);
    if (!window) {
        std::fprintf(stderr, "sector-clash-gallery: cannot open a window: %s\n", reason.c_str());
        return 1;
    }
    const std::string failure = gallery::MakeDrawingSheet(*window, options);
    if (!failure.empty()) {
        std::fprintf(stderr, "sector-clash-gallery: %s: %s\n", options.output.c_str(), failure.c_str());
        return 1;
    }
    std::printf("%s\n", options.output.c_str());
    return 0;
}
