// The outcomes' names, in the order of the enumeration.
#include "replay/ReplayOutcomeNames.h"

#include <array>

namespace Vorn {

namespace {

constexpr std::array<std::string_view, 4> outcomeNames = {"unknown", "unfinished", "won", "lost"};

} // namespace

std::string_view ReplayOutcomeName(ReplayOutcome outcome) {
    return outcomeNames.at(static_cast<std::size_t>(outcome));
}

std::optional<ReplayOutcome> ReplayOutcomeNamed(std::string_view name) {
    for (std::size_t index = 0; index < outcomeNames.size(); ++index)
        if (outcomeNames[index] == name)
            return static_cast<ReplayOutcome>(index);
    return std::nullopt;
}

} // namespace Vorn
