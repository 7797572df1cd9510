// Taking a replay's setup into the game mode.
#include "game/ReplaySetup.h"

#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "replay/ReplayInputs.h"
#include "replay/ReplayReader.h"

namespace Vorn {

bool ReadPlayableReplay(const std::string& path, Replay& replay, std::string& fault) {
    if (!ReadReplayFile(path, replay, fault))
        return false;
    if (replay.skirmish)
        return true;
    fault = path + ": recorded without the skirmish, which the game always fields (play it with "
                   "sector-clash-simulate --replay)";
    return false;
}

std::string ReplayInputsDiffer(const Replay& replay) {
    if (HashOfFile(LevelFilePath(replay.levelPath)) != replay.levelHash)
        return "the level " + replay.levelPath + " differs from the one recorded";
    if (SimulationDataHash() != replay.dataHash)
        return "the data files differ from those recorded";
    return {};
}

void PlayReplayInGame(std::shared_ptr<const Replay> replay, std::string startSaveFile) {
    Mode::Game::replayStartFile = std::move(startSaveFile);
    Mode::Game::levelFileName = replay->levelPath;
    Mode::Game::skirmishTanks = replay->skirmishTanks;
    Mode::Game::stepMs = replay->stepMs;
    Mode::Loading::fixedSeed = replay->seed;
    Mode::Game::replayed = std::move(replay);
}

} // namespace Vorn
