// Setting up a new game's world.
#include "game/Battle.h"

#include "command/SimulationStep.h"
#include "game/SkirmishForces.h"
#include "world/World.h"

#include <cstdio>

namespace Vorn {

Battle StartBattle(Brisk::Node levelDocument, unsigned screenWidth, unsigned screenHeight, bool skirmish,
                   std::optional<int> skirmishTanks) {
    Battle battle;
    battle.world = std::make_unique<World>(std::move(levelDocument), screenWidth, screenHeight);
    World& world = *battle.world;
    battle.level = &AttachLevel(world);
    battle.level->RunStartEvent();
    if (skirmish)
        FieldSkirmishTanks(world, skirmishTanks.value_or(SkirmishCountOf(world.LevelDocument())));
    world.fog.Reset(playerSideOfBattle);
    world.sides[playerSideOfBattle].name = "Vendel";
    world.sides.playerSide = playerSideOfBattle;
    battle.commanders = MakeCommanders();
    return battle;
}

std::unique_ptr<CommanderSet> MakeCommanders() {
    std::vector<std::string> faults;
    CommanderBook book = LoadCommanderBook(faults);
    for (const std::string& fault : faults)
        std::fprintf(stderr, "%s\n", fault.c_str());
    return std::make_unique<CommanderSet>(std::move(book));
}

void StepBattle(World& world, Level& level, CommandQueue& commands, CommanderSet* commanders,
                unsigned elapsedMs) {
    if (commanders != nullptr) {
        for (const Level::CommanderCall& call : level.commanderCalls)
            commanders->Start(call.side, call.difficulty);
        level.commanderCalls.clear();
        commanders->Think(world, commands);
    }
    StepSimulation(world, commands, elapsedMs);
}

} // namespace Vorn
