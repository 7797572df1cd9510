// The names a replay file gives the command kinds.
#pragma once

#include "command/Command.h"

#include <optional>
#include <string_view>

namespace Vorn {

std::string_view CommandKindName(CommandKind kind);
// Nothing for a name no kind has.
std::optional<CommandKind> CommandKindNamed(std::string_view name);

} // namespace Vorn
