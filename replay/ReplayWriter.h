// Writing a replay in the text form docs/replays.md describes.
#pragma once

#include "replay/Replay.h"

#include <string>

namespace Vorn {

// The whole file: the header, the commands and second digests merged in step order, the end line.
std::string ReplayText(const Replay& replay);
// Written to a temporary name beside the path and renamed over it; false (errno says why) leaves the
// path as it was.
bool WriteReplayFile(const std::string& path, const Replay& replay);

} // namespace Vorn
