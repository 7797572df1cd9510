// The game: reads everything from "data/": the working directory's, or else the installed one.
//
//   sector-clash [--level FILE | --campaign [N]]
//
// --level plays another level than "levels/level0.xml": a name under "data/" ("levels/level1.xml") or
// the path of any level file. --campaign plays the campaign's first level not yet won, --campaign N its
// level N when it is unlocked; each level opens with its briefing, and a win is kept in the player's
// progress file and lets Enter go on to the next level.
#include "campaign/CampaignSession.h"
#include "datafiles/DataArchive.h"
#include "game/GameMode.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr const char* program = "sector-clash";

constexpr const char* usage =
    "usage: sector-clash [--level FILE | --campaign [N]]\n"
    "Plays levels/level0.xml, or the level FILE: a level under data/ (levels/level1.xml) or the path of a\n"
    "level file. --campaign plays the campaign's first level not yet won (--campaign N its level N, once\n"
    "unlocked), each after its briefing; wins are kept in $XDG_DATA_HOME/sector-clash/campaign.xml.\n"
    "The data is data/ in the working directory, else the installed data. Exit 0 when the game\n"
    "is closed, 2 on bad usage, another code when it cannot start (no data folder, no display, a level\n"
    "that cannot be read, a campaign level that is locked).\n";

struct Options {
    bool campaign = false;
    std::optional<int> campaignLevel;
};

// A level number of the campaign: digits only, 1 to 999.
std::optional<int> LevelNumberOf(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

// Stores the options in the game; a fault names the argument at fault.
bool ReadOptions(int argc, char** argv, Options& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
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
        if (argument != "--level") {
            fault = toolkit::UnknownOption(argument);
            return false;
        }
        if (index + 1 == argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        }
        Vorn::Mode::Game::levelFileName = Zelt::NameAfterEnteringData(argv[++index]);
    }
    return true;
}

// Chooses the campaign's level and has the game keep every win. False when there is nothing to play.
bool StartCampaign(const Options& options) {
    static Vorn::CampaignSession session = Vorn::CampaignSession::Open(
        dataArchive.ReadDocument(Vorn::CampaignNames::file), Vorn::CampaignProgressPath());
    for (const std::string& problem : session.Problems())
        std::fprintf(stderr, "%s: %s\n", program, problem.c_str());
    std::string level;
    std::string reason;
    if (!session.Choose(options.campaignLevel, level, reason)) {
        std::fprintf(stderr, "%s: %s\n", program, reason.c_str());
        return false;
    }
    Vorn::Mode::Game::levelFileName = level;
    Vorn::Mode::Game::showBriefing = true;
    Vorn::Mode::Game::onLevelWon = [](const std::string& won) {
        if (std::string error; !session.RecordWin(won, error))
            std::fprintf(stderr, "%s: the campaign's progress is not kept: %s\n", program, error.c_str());
        return session.NextAfter(won);
    };
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    Options options;
    if (std::string fault; !ReadOptions(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    // Without its data the game would only print a fault per file and stop at the constants.
    if (const Zelt::DataSearch search = Zelt::EnterDataParent(); !search.entered) {
        std::fprintf(stderr, "%s: %s\n", program, search.refusal.c_str());
        return 1;
    }
    if (options.campaign && !StartCampaign(options))
        return 1;
    return Zelt::RunProgram({});
}
