// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE]
//
// Without options the game opens on the start screen; --level plays a level at once: a name under
// "data/" ("levels/level1.xml") or the path of any level file.
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* program = "sector-clash";

constexpr const char* usage =
    "usage: sector-clash [--level FILE]\n"
    "Opens on the start screen, or plays the level FILE at once: a level under data/ (levels/level1.xml) or\n"
    "the path of a level file. The data is data/ in the working directory, else the installed data. Exit 0 when the game\n"
    "is closed, 2 on bad usage, another code when it cannot start (no data folder, no display, a level\n"
    "that cannot be read).\n";

// Stores the options in the game; a fault names the argument at fault.
bool ReadOptions(int argc, char** argv, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument != "--level") {
            fault = toolkit::UnknownOption(argument);
            return false;
        }
        if (index + 1 == argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        }
        Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(argv[++index]);
        Vorn::Mode::Loading::startScreenFirst = false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    Vorn::Mode::Loading::startScreenFirst = true;
    if (std::string fault; !ReadOptions(argc, argv, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    // Without its data the game would only print a fault per file and stop at the constants.
    if (const Zelt::DataSearch search = Zelt::EnterDataParent(); !search.entered) {
        std::fprintf(stderr, "%s: %s\n", program, search.refusal.c_str());
        return 1;
    }
    return Zelt::RunProgram({});
}
