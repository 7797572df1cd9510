// Saving a battle with its state and journal, and building it again from either.
#include "game/SavedBattle.h"

#include "command/SimulationStep.h"
#include "commander/CommanderSet.h"
#include "game/BattleState.h"
#include "game/Level.h"
#include "game/LevelFile.h"
#include "game/StateDigest.h"
#include "replay/ReplayInputs.h"
#include "shell/GameVersion.h"
#include "world/World.h"

#include <algorithm>

namespace Vorn {

BattleSetup TakeBattleSetup(const std::string& levelPath, bool skirmish, std::optional<int> skirmishTanks) {
    BattleSetup setup;
    setup.levelPath = levelPath;
    setup.levelHash = HashOfFile(LevelFilePath(levelPath)).value_or(0);
    setup.dataHash = SimulationDataHash();
    setup.skirmish = skirmish;
    setup.skirmishTanks = skirmishTanks;
    setup.startRandom = randomGenerator.State();
    return setup;
}

SavedGame SaveOfBattle(const BattleSetup& setup, const StepLengths& steps, World& world, const Level* level,
                       const CommandQueue& commands, const CommanderSet* commanders,
                       std::optional<PlayerView> view) {
    SavedGame saved;
    saved.gameVersion = std::string(Zelt::GameVersion());
    saved.levelPath = setup.levelPath;
    saved.levelHash = setup.levelHash;
    saved.dataHash = setup.dataHash;
    saved.skirmish = setup.skirmish;
    saved.skirmishTanks = setup.skirmishTanks;
    saved.startRandom = setup.startRandom;
    saved.commanders = setup.commanders;
    saved.steps = steps;
    saved.commands = commands.Applied();
    saved.commands.insert(saved.commands.end(), commands.Waiting().begin(), commands.Waiting().end());
    saved.digest = StateDigest(world, level);
    if (level != nullptr)
        saved.state = WriteBattleState(world, *level, commanders);
    saved.view = std::move(view);
    return saved;
}

SavedGame SaveOfBattle(const BattleSetup& setup, const StepLengths& steps, const Battle& battle) {
    return SaveOfBattle(setup, steps, *battle.world, battle.level, *battle.commands, battle.commanders.get());
}

namespace {

// The files must be those the game was saved with: other rules would run the journal into another game.
bool InputsMatch(const SavedGame& saved, std::string& fault) {
    if (HashOfFile(LevelFilePath(saved.levelPath)) != saved.levelHash) {
        fault = "the level " + saved.levelPath + " differs from the one the game was saved with";
        return false;
    }
    if (SimulationDataHash() != saved.dataHash) {
        fault = "the data files differ from those the game was saved with";
        return false;
    }
    return true;
}

// The reader keeps the commands in step order, so every one is accepted by a queue at step 0.
bool ScheduleAll(const SavedGame& saved, CommandQueue& commands, std::string& fault) {
    for (const Command& command : saved.commands)
        if (!commands.Schedule(command)) {
            fault = "a command of step " + std::to_string(command.step) + " is out of order";
            return false;
        }
    return true;
}

// The journal holds every command the level's commanders gave, so they are not asked again: but they think
// on every step as they did, into a queue that is thrown away, so that a loaded game's commanders remember
// and plan what the saved game's did and go on deciding alike.
void RunSteps(const StepLengths& steps, Battle& battle) {
    for (const StepRun& run : steps.Runs())
        for (std::uint32_t index = 0; index < run.count; ++index) {
            if (battle.commanders != nullptr) {
                for (const Level::CommanderCall& call : battle.level->commanderCalls)
                    battle.commanders->Start(call.side, call.difficulty);
                battle.level->commanderCalls.clear();
                CommandQueue thoughts;
                battle.commanders->Think(*battle.world, thoughts);
            }
            StepSimulation(*battle.world, *battle.commands, run.ms);
        }
}

// The journal run again from the level's start.
bool RunJournal(const SavedGame& saved, Brisk::Node document, unsigned screenWidth, unsigned screenHeight,
                Battle& restored, std::string& fault) {
    if (!randomGenerator.Restore(saved.startRandom)) {
        fault = "the random generator's state is not one it can be in";
        return false;
    }
    restored =
        StartBattle(std::move(document), screenWidth, screenHeight, saved.skirmish, saved.skirmishTanks);
    if (!ScheduleAll(saved, *restored.commands, fault))
        return false;
    if (restored.commanders != nullptr)
        for (const auto& [side, difficulty] : saved.commanders)
            restored.commanders->Start(side, difficulty);
    RunSteps(saved.steps, restored);
    return true;
}

// The battle as its state holds it, with the journal's commands: those of the steps run on record, the
// others waiting. The generator stands where the saved battle's did.
bool BuildFromState(const SavedGame& saved, Brisk::Node document, unsigned screenWidth, unsigned screenHeight,
                    Battle& restored, std::string& fault) {
    if (!ReadBattleState(saved.state, std::move(document), screenWidth, screenHeight, restored, fault)) {
        fault = "the battle's state: " + fault;
        return false;
    }
    const std::uint32_t nextStep = saved.steps.Steps();
    const auto firstWaiting = std::find_if(saved.commands.begin(), saved.commands.end(),
                                           [&](const Command& command) { return command.step >= nextStep; });
    if (!restored.commands->Restore(nextStep, {saved.commands.begin(), firstWaiting},
                                    {firstWaiting, saved.commands.end()})) {
        fault = "the commands waiting are out of order";
        return false;
    }
    return true;
}

} // namespace

bool LoadsFromState(const SavedGame& saved) {
    return !saved.state.empty();
}

bool RestoreBattle(const SavedGame& saved, unsigned screenWidth, unsigned screenHeight, Battle& battle,
                   BattleSetup& setup, StepLengths& steps, std::string& fault) {
    if (!InputsMatch(saved, fault))
        return false;
    Brisk::Node document;
    if (!ReadLevelFile(saved.levelPath, document, fault))
        return false;
    const RandomState before = randomGenerator.State();
    Battle restored;
    const bool built =
        LoadsFromState(saved)
            ? BuildFromState(saved, std::move(document), screenWidth, screenHeight, restored, fault)
            : RunJournal(saved, std::move(document), screenWidth, screenHeight, restored, fault);
    if (!built) {
        randomGenerator.Restore(before);
        return false;
    }
    if (StateDigest(*restored.world, restored.level) != saved.digest) {
        fault = "the game does not come back to the state it was saved in (its digest differs after " +
                std::to_string(saved.steps.Steps()) + " steps)";
        randomGenerator.Restore(before);
        return false;
    }
    battle = std::move(restored);
    setup = {saved.levelPath,     saved.levelHash,   saved.dataHash,  saved.skirmish,
             saved.skirmishTanks, saved.startRandom, saved.commanders};
    steps = saved.steps;
    return true;
}

} // namespace Vorn
