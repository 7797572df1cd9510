// The actions a player binds and reads about, in the order the help and the settings list them, with
// the texts that name them and their keys.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace Vorn {

std::span<const std::string_view> PlayerActions();

// The action's text ("menu_action_" and its name in texts.xml).
std::string ActionLabel(std::string_view action);

// A key as players read it: "F1", "Left", "P"; empty for a code without a name.
std::string KeyLabel(std::uint8_t code);

} // namespace Vorn
