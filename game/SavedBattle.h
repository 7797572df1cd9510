// Saving a battle and building it again from a save. A save holds the battle's state, which a load builds
// the battle from without running a step, and its journal: how it was set up, the random generator as it
// began, the length of every step and every command. The journal is what a replay of the loaded game starts
// from, and what a save without a usable state (format 1, or computer opponents whose state is not held) is
// loaded by: the simulation is deterministic, so running it again gives the saved state exactly. Either
// way the digest the save carries proves the battle came back.
#pragma once

#include "game/Battle.h"
#include "random/Random.h"
#include "save/SavedGame.h"
#include "save/StepLengths.h"

#include <optional>
#include <string>

namespace Vorn {

// What a battle was built from, taken just before it is built.
struct BattleSetup {
    std::string levelPath;
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    bool skirmish = false;
    std::optional<int> skirmishTanks;
    RandomState startRandom;
    // The computer opponents chosen beside the level's (a tool's option, the New game page), started
    // before the first step in this order.
    std::vector<std::pair<int, std::string>> commanders;
};

// The setup of a battle about to be built from the level: the hashes of the files at hand and the
// generator as it stands now. Take it right before StartBattle.
BattleSetup TakeBattleSetup(const std::string& levelPath, bool skirmish, std::optional<int> skirmishTanks);

// The battle's save as it stands: its state, applied and waiting commands, the steps run, its digest.
// Changes nothing in the battle.
SavedGame SaveOfBattle(const BattleSetup& setup, const StepLengths& steps, World& world, const Level* level,
                       const CommandQueue& commands, const CommanderSet* commanders,
                       std::optional<PlayerView> view = std::nullopt);
SavedGame SaveOfBattle(const BattleSetup& setup, const StepLengths& steps, const Battle& battle);

// Whether RestoreBattle builds the battle from the save's state rather than by running its journal.
bool LoadsFromState(const SavedGame& saved);

// Builds the saved battle again: the level and the data must be those it was saved with; the battle is
// built from its state (or, without one, started from the save's generator with its commands scheduled and
// its steps run), and the digest must come out as saved. On success the battle, its setup and its steps
// replace the given ones and the generator stands where the saved game's did; on failure (one line in
// `fault`) nothing given is touched, but the generator is put back as it was.
bool RestoreBattle(const SavedGame& saved, unsigned screenWidth, unsigned screenHeight, Battle& battle,
                   BattleSetup& setup, StepLengths& steps, std::string& fault);

} // namespace Vorn
