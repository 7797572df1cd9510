#include "shell/program/StoredGameHooks.h"

#include "campaign/CampaignProgress.h"
#include "campaign/CampaignSession.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "game/GameMode.h"
#include "game/LevelFile.h"
#include "game/LevelInfo.h"
#include "game/LoadingMode.h"
#include "game/ReplaySetup.h"
#include "game/ReplayStartSave.h"
#include "menu/MenuHooks.h"
#include "random/Random.h"
#include "replay/ReplayFolder.h"
#include "save/SaveSummary.h"
#include "shell/ModeManager.h"
#include "shell/UserFolders.h"
#include "shell/program/ShellState.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace Zelt {

namespace {

using Vorn::StoredGameEntry;
using Vorn::Mode::Game;

ModeManager* modes = nullptr;
// The step length the player's games take; a replay takes its own while it is watched.
std::uint32_t playersStepMs = Game::defaultStepMs;

Game* GameMode() {
    if (modes == nullptr || gameModeIndex < 0)
        return nullptr;
    return dynamic_cast<Game*>(modes->ModeAt(static_cast<std::size_t>(gameModeIndex)));
}

bool GameRuns() {
    return modes != nullptr && modes->Current() == gameModeIndex;
}

std::string Date(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string Clock(std::uint64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu", static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60));
    return text;
}

std::string OutcomeText(Vorn::ReplayOutcome outcome) {
    switch (outcome) {
    case Vorn::ReplayOutcome::Won:
        return textTable.TextOf("outcome_won");
    case Vorn::ReplayOutcome::Lost:
        return textTable.TextOf("outcome_lost");
    default:
        return "";
    }
}

// The level's file name without folder and extension names the game in a list.
std::string LevelName(const std::string& levelPath) {
    std::string name = levelPath.substr(levelPath.find_last_of('/') + 1);
    return name.substr(0, name.find_last_of('.'));
}

// Saves that cannot be read stay listed by their file name, so the player can still delete them.
std::vector<StoredGameEntry> ListSaves() {
    std::vector<StoredGameEntry> entries = Vorn::ListStoredFiles(UserDataSubfolder("saves"), ".save");
    for (StoredGameEntry& entry : entries) {
        if (const auto summary = Vorn::ReadSaveSummary(entry.path)) {
            entry.title += "  (" + LevelName(summary->levelPath) + ")";
            entry.details = Date(summary->writtenSeconds) + "   " + Clock(summary->gameMs / 1000);
        }
    }
    return entries;
}

// A replay that starts from a save says so, and whether the save is still the one it was recorded from: a
// later save under its name (F5 over quick.save) leaves the replay listed, but unplayable.
std::string StartSaveText(const std::optional<Vorn::ReplayStartSave>& save) {
    if (!save)
        return "";
    std::string file;
    std::string fault;
    return "   " + textTable.TextOf(Vorn::FindReplayStartSave(*save, file, fault) ? "replay_from_save"
                                                                                  : "replay_save_changed");
}

// A replay the reader refuses is left out: the list offers only what can be watched.
std::vector<StoredGameEntry> ListReplays() {
    std::vector<StoredGameEntry> entries;
    for (const std::string& path : Vorn::ReplayFilesNewestFirst(UserDataSubfolder("replays"))) {
        Vorn::ReplaySummary summary;
        if (!Vorn::ReadReplaySummary(path, summary))
            continue;
        entries.push_back({path, LevelName(summary.levelPath),
                           Date(static_cast<std::int64_t>(summary.date)) + "   " +
                               Clock(summary.lengthSeconds) + "   " + OutcomeText(summary.outcome) +
                               StartSaveText(summary.startSave)});
    }
    return entries;
}

// Starts the game mode from the start screen; false with the game's reason when it cannot start.
bool ActivateGame(std::string& fault) {
    modes->Activate(static_cast<std::uint32_t>(gameModeIndex));
    if (GameRuns())
        return true;
    const Game* game = GameMode();
    fault = game ? game->Refusal() : std::string("no game mode");
    return false;
}

void PlayTheLevels() {
    Game::showBriefing = false;
    Game::onLevelWon = nullptr;
    Game::replayed = nullptr;
    Game::loadFileName.clear();
    Game::stepMs = playersStepMs;
    // A save and a replay bring their own computer opponents; a new game chooses its own afterwards.
    Game::chosenCommanders.clear();
}

bool LoadSave(const std::string& path, std::string& fault) {
    if (GameRuns())
        return GameMode()->LoadGame(path, fault);
    PlayTheLevels();
    Game::loadFileName = path;
    return ActivateGame(fault);
}

// The player's name becomes a file name: anything but letters, digits, '-' and '_' becomes '_'.
bool SaveGame(const std::string& name, std::string& fault) {
    Game* game = GameMode();
    if (!GameRuns() || game == nullptr) {
        fault = "no game runs";
        return false;
    }
    const std::string folder = UserDataSubfolder("saves");
    if (folder.empty() || !MakeUserFolder(folder)) {
        fault = (folder.empty() ? std::string("no folder for saves (HOME is not set)")
                                : folder + ": " + std::strerror(errno));
        return false;
    }
    std::string fileName = name.empty() ? std::string("save") : name;
    for (char& c : fileName)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            c = '_';
    return game->SaveGame(folder + "/" + fileName + ".save", fault);
}

bool PlayReplay(const std::string& path, std::string& fault) {
    auto replay = std::make_shared<Vorn::Replay>();
    if (!Vorn::ReadPlayableReplay(path, *replay, fault))
        return false;
    if (const std::string differs = Vorn::ReplayInputsDiffer(*replay); !differs.empty()) {
        fault = path + ": " + differs;
        return false;
    }
    std::string startSaveFile;
    if (replay->startSave && !Vorn::FindReplayStartSave(*replay->startSave, startSaveFile, fault))
        return false;
    Vorn::Mode::Loading::seedUsed = replay->seed;
    Vorn::randomGenerator.Reseed(replay->seed);
    Vorn::PlayReplayInGame(std::move(replay), std::move(startSaveFile));
    return ActivateGame(fault);
}

Vorn::CampaignSession& Campaign() {
    static Vorn::CampaignSession session = [] {
        Vorn::CampaignSession opened = Vorn::CampaignSession::Open(
            dataArchive.ReadDocument(Vorn::CampaignNames::file), Vorn::CampaignProgressPath());
        for (const std::string& problem : opened.Problems())
            std::fprintf(stderr, "sector-clash: %s\n", problem.c_str());
        return opened;
    }();
    return session;
}

std::string LevelTitle(const std::string& levelFile) {
    Brisk::Node document;
    std::string error;
    const Vorn::LevelInfo info =
        Vorn::ReadLevelFile(levelFile, document, error) ? Vorn::ReadLevelInfo(document) : Vorn::LevelInfo{};
    return textTable.TextOf(Vorn::LevelTitleOrFileName(info, levelFile));
}

std::vector<StoredGameEntry> ListCampaign() {
    const Vorn::CampaignSession& session = Campaign();
    const auto& levels = session.Levels().levels;
    std::vector<StoredGameEntry> entries;
    for (std::size_t index = 0; index < levels.size(); ++index) {
        const char* state = Vorn::IsFinished(session.Levels(), session.Progress(), index) ? "campaign_won"
                            : Vorn::IsUnlocked(session.Levels(), session.Progress(), index)
                                ? "campaign_open"
                                : "campaign_locked";
        entries.push_back({std::to_string(index + 1), LevelTitle(levels[index]), textTable.TextOf(state)});
    }
    return entries;
}

bool PlayCampaignLevel(const std::string& number, std::string& fault) {
    if (!ChooseCampaignLevel(std::atoi(number.c_str()), fault))
        return false;
    Vorn::Mode::Loading::seedUsed = static_cast<std::uint32_t>(Vorn::randomGenerator.Next() * 4294967296.0);
    Vorn::randomGenerator.Reseed(Vorn::Mode::Loading::seedUsed);
    return ActivateGame(fault);
}

} // namespace

bool ChooseCampaignLevel(std::optional<int> number, std::string& reason) {
    std::string level;
    if (!Campaign().Choose(number, level, reason))
        return false;
    PlayTheLevels();
    Game::levelFileName = level;
    Game::skirmishTanks.reset();
    Game::showBriefing = true;
    Game::onLevelWon = [](const std::string& won) {
        if (std::string error; !Campaign().RecordWin(won, error))
            std::fprintf(stderr, "sector-clash: the campaign's progress is not kept: %s\n", error.c_str());
        return Campaign().NextAfter(won);
    };
    return true;
}

void ConnectStoredGames(ModeManager& manager) {
    modes = &manager;
    playersStepMs = Game::stepMs;
    Vorn::menuHooks.listSaves = ListSaves;
    Vorn::menuHooks.listReplays = ListReplays;
    Vorn::menuHooks.loadSave = LoadSave;
    Vorn::menuHooks.saveGame = SaveGame;
    Vorn::menuHooks.playReplay = PlayReplay;
    Vorn::menuHooks.beforeNewGame = PlayTheLevels;
    Vorn::menuHooks.listCampaign = ListCampaign;
    Vorn::menuHooks.playCampaignLevel = PlayCampaignLevel;
}

} // namespace Zelt
