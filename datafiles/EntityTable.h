// The named character references the XML reader knows (a set of HTML entities).
#pragma once

#include <string_view>

namespace Brisk {

// The byte of an entity name, ignoring case; -1 for a name not in the table.
int EntityByte(std::string_view name);

} // namespace Brisk
