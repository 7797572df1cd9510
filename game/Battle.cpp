// Setting up a new game's world.
#include "game/Battle.h"

#include "game/SkirmishForces.h"
#include "world/World.h"

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
    return battle;
}

} // namespace Vorn
