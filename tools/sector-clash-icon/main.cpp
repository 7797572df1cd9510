// sector-clash-icon: writes the game's window icon as a PNG file, for the desktop entry of an installation.
#include "platform/PngFile.h"
#include "platform/WindowIcon.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr const char* program = "sector-clash-icon";

constexpr const char* usage = "usage: sector-clash-icon SIZE OUT.png\n"
                              "Paints the window icon at SIZE x SIZE pixels (16 to 512) into OUT.png.\n";

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    for (int index = 1; index < argc; ++index)
        if (argv[index][0] == '-')
            return toolkit::RefuseUsage(program, toolkit::UnknownOption(argv[index]), usage);
    if (argc != 3)
        return toolkit::RefuseUsage(program, "a SIZE and an OUT.png are needed", usage);
    const std::optional<std::uint64_t> size = toolkit::WholeNumber(argv[1], 16, 512);
    if (!size)
        return toolkit::RefuseUsage(program, toolkit::WrongWholeNumber("SIZE", argv[1], 16, 512), usage);
    platform::RgbaImage image;
    image.width = static_cast<int>(*size);
    image.height = image.width;
    image.pixels = platform::PaintIcon(image.width);
    const std::string error = platform::WritePng(argv[2], image);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    return 0;
}
