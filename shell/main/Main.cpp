// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE | --load FILE]
//
// --level plays another level than "levels/level0.xml": a name under "data/" ("levels/level1.xml") or
// the path of any level file. --load goes on with a saved game.
#include "game/GameMode.h"
#include "save/SaveFile.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr const char* program = "sector-clash";

constexpr const char* usage =
    "usage: sector-clash [--level FILE | --load FILE]\n"
    "Plays levels/level0.xml, or the level FILE: a level under data/ (levels/level1.xml) or the path of a\n"
    "level file. --load FILE goes on with the saved game FILE (F5 saves to quick.save in\n"
    "$XDG_DATA_HOME/sector-clash/saves, F9 loads it). The data is data/ in the working directory, else the\n"
    "installed data. Exit 0 when the game is closed, 2 on bad usage or a save that cannot be read, another\n"
    "code when it cannot start (no data folder, no display, a level that cannot be read, a save of other\n"
    "level or data files).\n";

// Stores the options in the game; a fault names the argument at fault.
bool ReadOptions(int argc, char** argv, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument != "--level" && argument != "--load") {
            fault = toolkit::UnknownOption(argument);
            return false;
        }
        if (index + 1 == argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        }
        const std::string value = argv[++index];
        if (argument == "--load")
            Vorn::Mode::Game::loadFileName = std::filesystem::absolute(value).string();
        else
            Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(value);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    if (std::string fault; !ReadOptions(argc, argv, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    // A save that is no save is told at once, before a window opens.
    if (Vorn::SavedGame saved; !Vorn::Mode::Game::loadFileName.empty()) {
        if (std::string fault; !Vorn::ReadSaveFile(Vorn::Mode::Game::loadFileName, saved, fault)) {
            std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
            return 2;
        }
    }
    // Without its data the game would only print a fault per file and stop at the constants.
    if (const Zelt::DataSearch search = Zelt::EnterDataParent(); !search.entered) {
        std::fprintf(stderr, "%s: %s\n", program, search.refusal.c_str());
        return 1;
    }
    return Zelt::RunProgram({});
}
