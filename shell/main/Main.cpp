// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE | --load FILE]
//   sector-clash --replay FILE [--force]
//
// Without options the game opens on the start screen. --level plays another level at once: a name under
// "data/" ("levels/level1.xml") or the path of any level file. --load goes on with a saved game. Every
// game leaves its replay in $XDG_DATA_HOME/sector-clash/replays (the newest 20 stay). --replay watches a
// replay in the window: its level, seed and commands, the player's orders switched off, the speed keys
// working; one recorded on other level or data files is refused unless --force.
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "game/ReplaySetup.h"
#include "replay/Replay.h"
#include "save/SaveFile.h"
#include "shell/UserFolders.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr const char* program = "sector-clash";

constexpr const char* usage =
    "usage: sector-clash [--level FILE | --load FILE]\n"
    "       sector-clash --replay FILE [--force]\n"
    "Opens on the start screen, or plays the level FILE at once: a level under data/ (levels/level1.xml)\n"
    "or the path of a level file. The data is data/ in the working directory, else the installed data. Every game leaves\n"
    "its replay in $XDG_DATA_HOME/sector-clash/replays (~/.local/share/sector-clash/replays), which keeps\n"
    "the newest 20.\n"
    "--load FILE goes on with the saved game FILE (F5 saves to quick.save in\n"
    "$XDG_DATA_HOME/sector-clash/saves, F9 loads it).\n"
    "--replay watches the replay FILE: the game as it was played, with the speed keys (keypad 1 to 4: 1x,\n"
    "2x, 4x, 8x; keypad 5: as fast as it goes; P: pause); one recorded on other level or data files is refused\n"
    "unless --force is given.\n"
    "Exit 0 when the game is closed, 2 on bad usage, a save or replay that cannot be read or a replay\n"
    "recorded on other files, another code when it cannot start (no data folder, no display, a level that\n"
    "cannot be read, a save of other level or data files).\n";

struct GameOptions {
    std::string level;
    std::string replay;
    std::string load;
    bool force = false;
};

bool ReadOptions(int argc, char** argv, GameOptions& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--force") {
            options.force = true;
            continue;
        }
        if (argument != "--level" && argument != "--replay" && argument != "--load") {
            fault = toolkit::UnknownOption(argument);
            return false;
        }
        if (index + 1 == argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        }
        (argument == "--level" ? options.level : argument == "--load" ? options.load : options.replay) =
            argv[++index];
    }
    const int starts = !options.level.empty() + !options.replay.empty() + !options.load.empty();
    if (starts > 1)
        fault = "--level, --load and --replay each say what to play: give one";
    else if (options.replay.empty() && options.force)
        fault = "--force goes with --replay only";
    return fault.empty();
}

// Read before the data folder is entered, so that a relative path names the file the player meant.
bool ReadReplay(const std::string& path, std::shared_ptr<Vorn::Replay>& replay) {
    replay = std::make_shared<Vorn::Replay>();
    if (std::string fault; !Vorn::ReadPlayableReplay(path, *replay, fault)) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    return true;
}

bool ReplayInputsMatch(const std::string& path, const Vorn::Replay& replay, bool force) {
    const std::string differs = Vorn::ReplayInputsDiffer(replay);
    if (differs.empty())
        return true;
    std::fprintf(stderr, "%s: %s: %s%s\n", program, path.c_str(), differs.c_str(),
                 force ? " (played anyway: --force)" : " (--force plays it anyway)");
    return force;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    GameOptions options;
    if (std::string fault; !ReadOptions(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    std::shared_ptr<Vorn::Replay> replay;
    if (!options.replay.empty() && !ReadReplay(options.replay, replay))
        return 2;
    if (!options.level.empty())
        Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(options.level);
    Vorn::Mode::Loading::startScreenFirst = options.level.empty() && options.replay.empty() && options.load.empty();
    // A save that is no save is told at once, before a window opens.
    if (!options.load.empty()) {
        Vorn::Mode::Game::loadFileName = std::filesystem::absolute(options.load).string();
        Vorn::SavedGame saved;
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
    if (replay != nullptr) {
        if (!ReplayInputsMatch(options.replay, *replay, options.force))
            return 2;
        Vorn::PlayReplayInGame(replay);
    } else {
        Vorn::Mode::Game::replayFolder = Zelt::UserDataSubfolder("replays");
    }
    return Zelt::RunProgram({});
}
