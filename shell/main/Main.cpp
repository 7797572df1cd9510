// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE]
//
// --level plays another level than "levels/level0.xml": a name under "data/" ("levels/level1.xml") or
// the path of any level file.
#include "game/GameMode.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--level" && index + 1 < argc) {
            Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(argv[++index]);
        } else {
            std::fprintf(stderr,
                         "usage: sector-clash [--level FILE]\n"
                         "FILE is a level under data/ (levels/level1.xml) or the path of a level file.\n");
            return 2;
        }
    }
    // Without its data the game would only print a fault per file and stop at the constants.
    if (const Zelt::DataSearch search = Zelt::EnterDataParent(); !search.entered) {
        std::fprintf(stderr, "sector-clash: %s\n", search.refusal.c_str());
        return 1;
    }
    return Zelt::RunProgram({});
}
