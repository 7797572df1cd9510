// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE | --load FILE | --campaign [N]]
//   sector-clash --replay FILE [--force]
//
// Without options the game opens on the start screen. --level plays another level at once: a name under
// "data/" ("levels/level1.xml") or the path of any level file. --load goes on with a saved game. Every
// game leaves its replay in $XDG_DATA_HOME/sector-clash/replays (the newest 20 stay). --replay watches a
// replay in the window: its level, seed and commands, the player's orders switched off, the speed keys
// working; one recorded on other level or data files is refused unless --force. --campaign plays the
// campaign's first level not yet won, --campaign N its level N when it is unlocked; each level opens with
// its briefing, and a win is kept in the player's progress file and lets Enter go on to the next level.
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "game/ReplaySetup.h"
#include "game/ReplayStartSave.h"
#include "replay/Replay.h"
#include "save/SaveFile.h"
#include "shell/UserFolders.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "shell/program/StoredGameHooks.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr const char* program = "sector-clash";

constexpr const char* usage =
    "usage: sector-clash [--level FILE | --load FILE | --campaign [N]]\n"
    "       sector-clash --replay FILE [--force]\n"
    "Opens on the start screen, or plays the level FILE at once: a level under data/ (levels/level1.xml)\n"
    "or the path of a level file. The data is data/ in the working directory, else the installed data. Every "
    "game leaves\n"
    "its replay in $XDG_DATA_HOME/sector-clash/replays (~/.local/share/sector-clash/replays), which keeps\n"
    "the newest 20.\n"
    "--load FILE goes on with the saved game FILE (F5 saves to quick.save in\n"
    "$XDG_DATA_HOME/sector-clash/saves, F9 loads it).\n"
    "--replay watches the replay FILE: the game as it was played, with the speed keys (keypad 1 to 4: 1x,\n"
    "2x, 4x, 8x; keypad 5: as fast as it goes; P: pause); one recorded on other level or data files is "
    "refused\n"
    "unless --force is given.\n"
    "--campaign plays the campaign's first level not yet won (--campaign N its level N, once unlocked),\n"
    "each after its briefing; wins are kept in $XDG_DATA_HOME/sector-clash/campaign.xml.\n"
    "Exit 0 when the game is closed, 2 on bad usage, a save or replay that cannot be read or a replay\n"
    "recorded on other files, another code when it cannot start (no data folder, no display, a level that\n"
    "cannot be read, a save of other level or data files, a campaign level that is locked).\n";

struct GameOptions {
    std::string level;
    std::string replay;
    std::string load;
    bool force = false;
    bool campaign = false;
    std::optional<int> campaignLevel;
};

// A level number of the campaign: digits only, 1 to 999.
std::optional<int> LevelNumberOf(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

bool ReadOptions(int argc, char** argv, GameOptions& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--force") {
            options.force = true;
            continue;
        }
        if (argument == "--campaign") {
            options.campaign = true;
            if (index + 1 < argc && argv[index + 1][0] != '-') {
                options.campaignLevel = LevelNumberOf(argv[++index]);
                if (!options.campaignLevel) {
                    fault = std::string("--campaign takes a level number, not \"") + argv[index] + "\"";
                    return false;
                }
            }
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
        (argument == "--level"  ? options.level
         : argument == "--load" ? options.load
                                : options.replay) = argv[++index];
    }
    const int starts =
        !options.level.empty() + !options.replay.empty() + !options.load.empty() + options.campaign;
    if (starts > 1)
        fault = "--level, --load, --replay and --campaign each say what to play: give one";
    else if (options.replay.empty() && options.force)
        fault = "--force goes with --replay only";
    return fault.empty();
}

// Read before the data folder is entered, so that a relative path names the file the player meant (the
// replay's, and the save's it starts from).
bool ReadReplay(const std::string& path, std::shared_ptr<Vorn::Replay>& replay, std::string& startSaveFile) {
    replay = std::make_shared<Vorn::Replay>();
    std::string fault;
    if (!Vorn::ReadPlayableReplay(path, *replay, fault)) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    if (!replay->startSave || Vorn::FindReplayStartSave(*replay->startSave, startSaveFile, fault))
        return true;
    std::fprintf(stderr, "%s: %s: %s\n", program, path.c_str(), fault.c_str());
    return false;
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
    std::string startSaveFile;
    if (!options.replay.empty() && !ReadReplay(options.replay, replay, startSaveFile))
        return 2;
    if (!options.level.empty())
        Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(options.level);
    Vorn::Mode::Loading::startScreenFirst =
        options.level.empty() && options.replay.empty() && options.load.empty() && !options.campaign;
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
        Vorn::PlayReplayInGame(replay, startSaveFile);
    } else {
        Vorn::Mode::Game::replayFolder = Zelt::UserDataSubfolder("replays");
    }
    if (std::string reason; options.campaign && !Zelt::ChooseCampaignLevel(options.campaignLevel, reason)) {
        std::fprintf(stderr, "%s: %s\n", program, reason.c_str());
        return 1;
    }
    return Zelt::RunProgram({});
}
