// Where the game finds its "data/" folder: the working directory first, so a modder's copy wins, then the
// installed data beside the program (PREFIX/share/sector-clash/data for PREFIX/bin/sector-clash).
#pragma once

#include <filesystem>

namespace Zelt {

// The folder holding "data/" out of the two places; the working directory when neither has one, so the
// game then runs on its defaults there as it always did.
std::filesystem::path ChooseDataParent(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executableDirectory);

// Makes the chosen folder the working directory (every data path is relative to it). False when the
// program's own location cannot be found or the directory cannot be changed; nothing changes then.
bool EnterDataParent();

} // namespace Zelt
