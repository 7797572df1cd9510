// A new game's world: the level with its events, the skirmish tanks, and the player's side, set up the
// same way for the game mode and for the headless simulator, with the commands the game is given.
#pragma once

#include "command/CommandQueue.h"
#include "commander/CommanderSet.h"
#include "datafiles/Node.h"
#include "game/Level.h"

#include <memory>
#include <optional>

namespace Vorn {

class World;

inline constexpr int playerSideOfBattle = 3;

struct Battle {
    std::unique_ptr<World> world;
    // Owned by the world.
    Level* level = nullptr;
    // Held apart so that the interface's order issuer can keep pointing at it while the battle moves.
    std::unique_ptr<CommandQueue> commands = std::make_unique<CommandQueue>();
    // The computer opponents; null while a replay plays, whose file holds every command they gave.
    std::unique_ptr<CommanderSet> commanders;
};

// Builds the world from the level document and attaches the level's events; runs the level's "start" event at
// once, so its objects stand before anything else; with `skirmish` then fields the skirmish tanks
// (FieldSkirmishTanks), whose free-place test so keeps them off the level's tanks and buildings:
// `skirmishTanks` of them when given (a choice on the command line or in a menu), else as many as the level
// asks for (SkirmishCountOf). Last makes side 3 the player's, named "Vendel", with its fog reset. The
// constants (and, for the same random sequence as the game, the drawings) must be loaded before.
Battle StartBattle(Brisk::Node levelDocument, unsigned screenWidth, unsigned screenHeight, bool skirmish,
                   std::optional<int> skirmishTanks = std::nullopt);

// The commanders of a game, with the difficulties of "commander.xml" read through the data archive; its
// faults are told on standard error, once, when the game starts.
std::unique_ptr<CommanderSet> MakeCommanders();

// One step of a battle, the same for the game mode, the simulator and the driver: the commanders the level
// has called since the last step start, every commander thinks and issues its orders for this step, then
// the step runs (StepSimulation). Without commanders (a replay) it is StepSimulation alone.
void StepBattle(World& world, Level& level, CommandQueue& commands, CommanderSet* commanders,
                unsigned elapsedMs);

} // namespace Vorn
