// The names a replay file gives a game's outcome.
#pragma once

#include "replay/Replay.h"

#include <optional>
#include <string_view>

namespace Vorn {

std::string_view ReplayOutcomeName(ReplayOutcome outcome);
// Nothing for a name no outcome has.
std::optional<ReplayOutcome> ReplayOutcomeNamed(std::string_view name);

} // namespace Vorn
