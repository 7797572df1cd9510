// The state of a level's events as a save holds it: the level clock, the names due, the waiting and the
// delayed requests, the outcome, the losses, the object budget, the opponents called, what was shown to
// the player, and what the start event left for the first step.
#pragma once

#include <string>
#include <string_view>

namespace Vorn {

class Level;

std::string WriteLevelState(const Level& level);
// Reads into a level just attached to its world, whose events come from the same level file. False with
// one line in `fault` at the first field out of its range; the level is then to be thrown away.
bool ReadLevelState(std::string_view body, Level& level, std::string& fault);

} // namespace Vorn
