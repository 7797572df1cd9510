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
#include <filesystem>
#include <string>

namespace {

// A level file named from the working directory is made absolute before the program moves to its data.
std::string LevelPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path given(name);
    if (given.is_relative() && std::filesystem::is_regular_file(given, error) &&
        !std::filesystem::exists(std::filesystem::path("data") / given, error))
        return std::filesystem::absolute(given, error).string();
    return name;
}

} // namespace

int main(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--level" && index + 1 < argc) {
            Vorn::Mode::Game::levelFileName = LevelPath(argv[++index]);
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
