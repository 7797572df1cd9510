// sector-clash-bitmap: converts between PNG and the game's aBitmap images, so artists work in PNG.
#include "graphics/BitmapImage.h"
#include "platform/PngFile.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* program = "sector-clash-bitmap";

constexpr const char* usage =
    "usage: sector-clash-bitmap encode IN.png OUT.aBitmap [--stored]\n"
    "       sector-clash-bitmap decode IN.aBitmap OUT.png\n"
    "Converts a PNG image to the game's aBitmap format (compressed unless --stored)\n"
    "and back.\n";

// The one line that says what is wrong with the command.
std::string UsageFault(const std::vector<std::string>& args) {
    for (std::size_t index = 0; index < args.size(); ++index)
        if (args[index].starts_with("-") && !(args[0] == "encode" && args[index] == "--stored"))
            return toolkit::UnknownOption(args[index]);
    if (args.empty() || (args[0] != "encode" && args[0] != "decode"))
        return args.empty() ? "encode or decode?" : "unknown command \"" + args[0] + "\" (encode or decode)";
    return args[0] == "encode" ? "encode takes IN.png OUT.aBitmap [--stored]"
                               : "decode takes IN.aBitmap OUT.png";
}

// Compressed unless --stored is given; PNG rows run from the top, as aBitmap rows do.
int Encode(const std::string& input, const std::string& output, bool stored) {
    platform::RgbaImage png;
    if (std::string error = platform::ReadPng(input, png); !error.empty()) {
        std::fprintf(stderr, "%s: %s\n", input.c_str(), error.c_str());
        return 1;
    }
    Vorn::BitmapImage image;
    image.width = png.width;
    image.height = png.height;
    image.pixels = std::move(png.pixels);
    const int status = image.WriteFile(output, stored ? Vorn::BitmapImage::Stored : Vorn::BitmapImage::Zlib);
    if (status != Vorn::BitmapImage::Read) {
        std::fprintf(stderr, "%s: status %d: %s\n", output.c_str(), status,
                     Vorn::BitmapImage::DescribeStatus(status).c_str());
        return 1;
    }
    return 0;
}

int Decode(const std::string& input, const std::string& output) {
    Vorn::BitmapImage image;
    const int status = image.ReadFile(input);
    if (status != Vorn::BitmapImage::Read) {
        std::fprintf(stderr, "%s: status %d: %s\n", input.c_str(), status,
                     Vorn::BitmapImage::DescribeStatus(status).c_str());
        return 1;
    }
    platform::RgbaImage png{image.width, image.height, std::move(image.pixels)};
    if (std::string error = platform::WritePng(output, png); !error.empty()) {
        std::fprintf(stderr, "%s: %s\n", output.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv)) {
        return toolkit::ShowUsage(usage);
    }
    if (toolkit::AsksForVersion(argc, argv)) {
        return toolkit::ShowVersion(program);
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    if ((args.size() == 3 || args.size() == 4) && args[0] == "encode") {
        const bool stored = args.size() == 4 && args[3] == "--stored";
        if (args.size() == 3 || stored) {
            return Encode(args[1], args[2], stored);
        }
    }
    if (args.size() == 3 && args[0] == "decode") {
        return Decode(args[1], args[2]);
    }
    return toolkit::RefuseUsage(program, UsageFault(args), usage);
}
