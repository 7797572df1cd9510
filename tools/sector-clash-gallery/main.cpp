// sector-clash-gallery: renders the game's drawings onto one PNG sheet for looking at the art.
//
//   sector-clash-gallery OUT.png [--side N]     every drawing and variant, in side N's colour (default 1)
//   sector-clash-gallery --particles OUT.png    every particle system as a film strip
//   sector-clash-gallery --fonts OUT.png        every font of fonts.xml on the panel background
//   sector-clash-gallery --icons OUT.png [--side N]  every panel button icon (default side 3, the player)
//
// Reads the data the game would read (data/ in the working directory, else the installed data), under an
// X display. A data file that cannot be read is named on standard error and fails the run.
#include "datafiles/DataArchive.h"
#include "tools/sector-clash-gallery/DrawingSheet.h"
#include "tools/sector-clash-gallery/FontSheet.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/IconSheet.h"
#include "tools/sector-clash-gallery/ParticleSheet.h"
#include "tools/shared/CommandLine.h"
#include "tools/shared/GameData.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

constexpr int windowWidth = 1024;
constexpr int windowHeight = 768;

constexpr const char* program = "sector-clash-gallery";

constexpr const char* usage =
    "usage: sector-clash-gallery OUT.png [--side N] | --particles OUT.png | --fonts OUT.png |\n"
    "                            --icons OUT.png [--side N]\n"
    "Renders every drawing and variant in side N's colour (0..6, default 1), every particle system as a\n"
    "film strip, every font of fonts.xml, or every panel button icon (default side 3, the player's) onto\n"
    "the PNG sheet OUT.png, from the data the game would read (data/ in the working directory, else the\n"
    "installed data), under an X display. Exit 0 when the sheet is written from complete data, 1 when a\n"
    "data file is missing or the sheet cannot be made, 2 on bad usage.\n";

struct GalleryOptions {
    gallery::DrawingSheetOptions drawings;
    gallery::ParticleSheetOptions particles;
    gallery::FontSheetOptions fonts;
    gallery::IconSheetOptions icons;
    // Set by --side, which only the drawing and icon sheets take.
    std::optional<int> side;
};

bool ParseArguments(int argc, char** argv, GalleryOptions& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        const bool takesValue = argument == "--particles" || argument == "--fonts" || argument == "--icons" ||
                                argument == "--side";
        if (!takesValue && argument[0] == '-') {
            fault = toolkit::UnknownOption(argument);
            return false;
        }
        if (!takesValue) {
            if (!options.drawings.output.empty()) {
                fault =
                    "one sheet at a time, not \"" + options.drawings.output + "\" and \"" + argument + "\"";
                return false;
            }
            options.drawings.output = argument;
            continue;
        }
        if (index + 1 >= argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        }
        const std::string value = argv[++index];
        if (argument == "--side") {
            const std::optional<std::uint64_t> side = toolkit::WholeNumber(value, 0, 6);
            if (!side) {
                fault = toolkit::WrongWholeNumber(argument, value, 0, 6);
                return false;
            }
            options.side = static_cast<int>(*side);
        } else {
            (argument == "--particles" ? options.particles.output
             : argument == "--fonts"   ? options.fonts.output
                                       : options.icons.output) = value;
        }
    }
    const int sheetsAsked = !options.drawings.output.empty() + !options.particles.output.empty() +
                            !options.fonts.output.empty() + !options.icons.output.empty();
    if (sheetsAsked != 1)
        fault = sheetsAsked == 0 ? "no sheet asked for" : "one sheet at a time";
    else if (options.side && options.drawings.output.empty() && options.icons.output.empty())
        fault = "--side colours the drawing and icon sheets only";
    return fault.empty();
}

// The sheet's file keeps its name once the gallery has entered the game's data folder.
std::string& OutputOf(GalleryOptions& options) {
    for (std::string* output : {&options.icons.output, &options.fonts.output, &options.particles.output})
        if (!output->empty())
            return *output;
    return options.drawings.output;
}

// The data files the sheet could not read, each named once on standard error: any of them fails the run.
std::size_t missingDataFiles = 0;

void ReportDataFaults() {
    dataArchive.SetFaultReport([](const std::string& path, DataArchive::Fault fault) {
        std::fprintf(stderr, "%s: %s %s\n", program, path.c_str(),
                     fault == DataArchive::Fault::missing ? "cannot be read" : "is empty or not XML");
        ++missingDataFiles;
    });
}

std::string MakeSheet(gallery::GalleryWindow& window, const GalleryOptions& options) {
    if (!options.icons.output.empty())
        return gallery::MakeIconSheet(window, options.icons);
    if (!options.fonts.output.empty())
        return gallery::MakeFontSheet(window, options.fonts);
    if (!options.particles.output.empty())
        return gallery::MakeParticleSheet(window, options.particles);
    return gallery::MakeDrawingSheet(window, options.drawings);
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    GalleryOptions options;
    if (std::string fault; !ParseArguments(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    if (options.side)
        options.drawings.side = options.icons.side = *options.side;
    std::string& output = OutputOf(options);
    std::error_code error;
    output = std::filesystem::absolute(output, error).string();
    if (!toolkit::EnterGameData(program))
        return 1;
    ReportDataFaults();
    std::string reason;
    auto window = gallery::GalleryWindow::Open(windowWidth, windowHeight, reason);
    if (!window) {
        std::fprintf(stderr, "%s: cannot open a window: %s\n", program, reason.c_str());
        return 1;
    }
    if (const std::string failure = MakeSheet(*window, options); !failure.empty()) {
        std::fprintf(stderr, "%s: %s: %s\n", program, output.c_str(), failure.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return missingDataFiles == 0 ? 0 : 1;
}
