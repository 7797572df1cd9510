// The player's own "keydef.xml": an action it names takes exactly the keys it gives there, every other
// action keeps the shipped keys; and writing the player's changes back in that form.
#pragma once

#include "datafiles/Node.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Zelt {

using KeyBindings = std::map<std::string, std::vector<std::uint8_t>>;

// The shipped document with every action the player's document binds replaced by the player's elements
// for it (in the player's order); elements without a key attribute bind nothing and override nothing.
// An action the player binds to key="" is left without a working key.
Brisk::Node MergeKeyDefinitions(const Brisk::Node& shipped, const Brisk::Node& user);

// The bindings a keydef document makes, as the keyboard reads them.
KeyBindings BindingsOf(const Brisk::Node& keyDefinitions);

// The text of the player's "keydef.xml": every action whose keys in `chosen` differ from `shipped`, one
// element per key in order; an action left without keys is written with key="" so it stays unbound.
std::string UserKeyDefinitionsText(const KeyBindings& chosen, const KeyBindings& shipped);

// Writes UserKeyDefinitionsText to the configuration folder's "keydef.xml" through a temporary file.
// False with a one-line reason naming the file when it cannot; the old file is then untouched.
bool SaveUserKeyDefinitions(const KeyBindings& chosen, const KeyBindings& shipped, std::string& fault);

// The shipped "keydef.xml" laid under the player's, and the shipped one alone (for "restore defaults"
// and for measuring the player's changes).
Brisk::Node KeyDefinitionsInForce();
Brisk::Node ShippedKeyDefinitions();

} // namespace Zelt
