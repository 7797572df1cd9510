// A battle's whole simulation state as a save holds it: the world, the level's events, the computer
// opponents and the random generator, so that a battle is built again as it stood without running its steps.
#pragma once

#include "datafiles/Node.h"
#include "game/Battle.h"

#include <string>
#include <string_view>

namespace Vorn {

// Changes nothing in the battle.
std::string WriteBattleState(const Battle& battle);
// The same from the battle's parts, as the game mode holds them.
std::string WriteBattleState(World& world, const Level& level, const CommanderSet* commanders);

// Builds the battle from the level's document and the state, its opponents with the difficulties of
// "commander.xml" as it is now; the generator stands where the saved battle's did. The commands are the
// caller's (the journal holds them). False with one line in `fault`, the given battle and the generator
// untouched.
bool ReadBattleState(std::string_view body, Brisk::Node levelDocument, unsigned screenWidth,
                     unsigned screenHeight, Battle& battle, std::string& fault);

} // namespace Vorn
