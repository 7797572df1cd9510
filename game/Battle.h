// A new game's world: the level with its events, the skirmish tanks, and the player's side, set up the
// same way for the game mode and for the headless simulator.
#pragma once

#include "datafiles/Node.h"
#include "game/SkirmishForces.h"

#include <memory>

namespace Vorn {

class Level;
class World;

inline constexpr int playerSideOfBattle = 3;

struct Battle {
    std::unique_ptr<World> world;
    // Owned by the world.
    Level* level = nullptr;
};

// Builds the world from the level document and attaches the level's events; with `skirmish` fields the
// skirmish tanks (FieldSkirmishTanks, `skirmishTanks` of them); then makes side 3 the player's, named
// "Vendel", with its fog reset. The constants (and, for the same random sequence as the game, the drawings)
// must be loaded before.
Battle StartBattle(Brisk::Node levelDocument, unsigned screenWidth, unsigned screenHeight, bool skirmish,
                   int skirmishTanks = skirmishTankCount);

} // namespace Vorn
