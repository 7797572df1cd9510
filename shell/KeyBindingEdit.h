// Changing key bindings from the settings screen: giving an action a key takes that key from whatever
// other action had it, which gets the action's old key in its place (a swap), so one press never does two
// things the player did not choose.
#pragma once

#include "shell/KeyBindingOverrides.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Zelt {

// Modifier actions ("_mod", "_modifier") share their keys on purpose (shift both adds a waypoint and
// shows the track): they are never counted as conflicts nor swapped.
bool IsModifierAction(const std::string& action);

// Binds `code` as the action's key number `slot` (appended when the slot is past its keys). Any other
// non-modifier action holding `code` gets the action's old key in that place, or loses `code` when the
// action had none there. Answers the actions that changed besides `action`.
std::vector<std::string> RebindKey(KeyBindings& bindings, const std::string& action, std::size_t slot,
                                   std::uint8_t code);

// The other non-modifier actions that share a key with the action (0, which no key produces, excepted).
std::vector<std::string> ConflictsOf(const KeyBindings& bindings, const std::string& action);

} // namespace Zelt
