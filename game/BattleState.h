// A battle's whole simulation state as a save holds it: the world, the level's events and the random
// generator, so that a battle is built again as it stood without running its steps.
#pragma once

#include "datafiles/Node.h"
#include "game/Battle.h"

#include <string>
#include <string_view>

namespace Vorn {

// Changes nothing in the battle. Its computer opponents are not held yet: a battle with opponents started
// is written without them, and ReadBattleState refuses it.
std::string WriteBattleState(const Battle& battle);
// The same from the battle's parts, as the game mode holds them.
std::string WriteBattleState(World& world, const Level& level, const CommanderSet* commanders);

// Whether the state was written without the computer opponents the battle had started: such a battle is
// built by running its journal instead.
bool StateLeavesOutOpponents(std::string_view state);

// Builds the battle from the level's document and the state; the generator stands where the saved
// battle's did. The commands are the caller's (the journal holds them). False with one line in `fault`,
// the given battle and the generator untouched.
bool ReadBattleState(std::string_view body, Brisk::Node levelDocument, unsigned screenWidth,
                     unsigned screenHeight, Battle& battle, std::string& fault);

} // namespace Vorn
