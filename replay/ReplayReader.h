// Reading a replay file as hostile input: every field is checked against the format and ReplayLimits, and
// the first fault refuses the whole file with one line naming it.
#pragma once

#include "replay/Replay.h"

#include <string>
#include <string_view>

namespace Vorn {

// Parses the text of a replay; `name` is the file's name for the fault, given as "NAME:LINE: reason" or
// "NAME: reason".
bool ParseReplay(std::string_view text, const std::string& name, Replay& replay, std::string& fault);
// Reads and parses the file, refusing one larger than ReplayLimits::maxFileBytes before reading it.
bool ReadReplayFile(const std::string& path, Replay& replay, std::string& fault);

} // namespace Vorn
