// sector-clash-gallery: renders the game's drawings onto one PNG sheet for looking at the art.
//
//   sector-clash-gallery OUT.png [--side N]     every drawing and variant, in side N's colour (default 1)
//   sector-clash-gallery --particles OUT.png    every particle system as a film strip
//   sector-clash-gallery --fonts OUT.png        every font of fonts.xml on the panel background
//   sector-clash-gallery --icons OUT.png [--side N]  every panel button icon (default side 3, the player)
//
// Runs from the folder that holds "data/", under an X display.
#include "tools/sector-clash-gallery/DrawingSheet.h"
#include "tools/sector-clash-gallery/FontSheet.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/IconSheet.h"
#include "tools/sector-clash-gallery/ParticleSheet.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int windowWidth = 1024;
constexpr int windowHeight = 768;

int Usage() {
    std::fprintf(stderr,
                 "usage: sector-clash-gallery OUT.png [--side N] | --particles OUT.png | --fonts OUT.png | "
                 "--icons OUT.png [--side N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    gallery::DrawingSheetOptions options;
    gallery::ParticleSheetOptions particleOptions;
    gallery::FontSheetOptions fontOptions;
    gallery::IconSheetOptions iconOptions;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--particles") == 0 && i + 1 < argc) {
            particleOptions.output = argv[++i];
        } else if (std::strcmp(argv[i], "--fonts") == 0 && i + 1 < argc) {
            fontOptions.output = argv[++i];
        } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
            iconOptions.output = argv[++i];
        } else if (std::strcmp(argv[i], "--side") == 0 && i + 1 < argc) {
            options.side = iconOptions.side = std::atoi(argv[++i]);
        } else if (argv[i][0] != '-' && options.output.empty()) {
            options.output = argv[i];
        } else {
            return Usage();
        }
    }
    const int sheetsAsked = !options.output.empty() + !particleOptions.output.empty() +
                            !fontOptions.output.empty() + !iconOptions.output.empty();
    if (sheetsAsked != 1) {
        return Usage();
    }
    std::string reason;
    auto window = gallery::GalleryWindow::Open(windowWidth, windowHeight, reason);
    if (!window) {
        std::fprintf(stderr, "sector-clash-gallery: cannot open a window: %s\n", reason.c_str());
        return 1;
    }
    std::string output;
    std::string failure;
    if (!iconOptions.output.empty()) {
        output = iconOptions.output;
        failure = gallery::MakeIconSheet(*window, iconOptions);
    } else if (!fontOptions.output.empty()) {
        output = fontOptions.output;
        failure = gallery::MakeFontSheet(*window, fontOptions);
    } else if (!particleOptions.output.empty()) {
        output = particleOptions.output;
        failure = gallery::MakeParticleSheet(*window, particleOptions);
    } else {
        output = options.output;
        failure = gallery::MakeDrawingSheet(*window, options);
    }
    if (!failure.empty()) {
        std::fprintf(stderr, "sector-clash-gallery: %s: %s\n", output.c_str(), failure.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
