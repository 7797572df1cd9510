// The command kinds' names, in the order of the enumeration.
#include "replay/CommandNames.h"

#include <array>

namespace Vorn {

namespace {

constexpr std::array<std::string_view, commandKindCount> kindNames = {
    "move",        "attack", "stop",         "rally-point", "destroy",     "build",
    "order-tanks", "place",  "cancel-order", "empty-queue", "armory-line",
};

} // namespace

std::string_view CommandKindName(CommandKind kind) {
    return kindNames.at(static_cast<std::size_t>(kind));
}

std::optional<CommandKind> CommandKindNamed(std::string_view name) {
    for (std::size_t index = 0; index < kindNames.size(); ++index)
        if (kindNames[index] == name)
            return static_cast<CommandKind>(index);
    return std::nullopt;
}

} // namespace Vorn
