// Which file a game plays: a name under the data folder ("levels/level1.xml"), or any file path.
#pragma once

#include "datafiles/Node.h"

#include <string>

namespace Vorn {

// Reads the level: "data/" + name when the data folder has it, else the path as given. A file that cannot
// be opened, or that has no "level" element (not a level at all), gives false with the reason in `error`.
bool ReadLevelFile(const std::string& name, Brisk::Node& document, std::string& error);

} // namespace Vorn
