// Where the game finds its "data/" folder: the working directory first, so a modder's copy wins, then the
// installed data beside the program (PREFIX/share/sector-clash/data for PREFIX/bin/sector-clash).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Zelt {

// The folders that may hold "data/", in the order they are tried; the installed one only when the
// program's own folder is known.
std::vector<std::filesystem::path> DataParentCandidates(const std::filesystem::path& workingDirectory,
                                                        const std::filesystem::path& executableDirectory);

// The folder holding "data/" out of the two places; the working directory when neither has one, so the
// game then runs on its defaults there as it always did.
std::filesystem::path ChooseDataParent(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executableDirectory);

struct DataSearch {
    bool entered = false;
    // Why not, in one line naming the folders searched, when not entered.
    std::string refusal;
};

// Makes the folder holding "data/" the working directory (every data path is relative to it). Refuses
// when neither place has a data folder or the directory cannot be changed; nothing changes then.
DataSearch EnterDataParent();

} // namespace Zelt
