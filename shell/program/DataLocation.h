// Where the game finds its "data/" folder: the working directory first, so a modder's copy wins, then the
// installed data at a fixed path from the program's own folder (PREFIX/share/games/sector-clash/data for
// PREFIX/bin/sector-clash or /usr/games/sector-clash). The game and every tool search the same way,
// through these functions.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Zelt {

// The installed folder holding "data/", relative to the installed programs' folder: the CMake setting
// SECTOR_CLASH_DATA_FROM_PROGRAMS, which the install rules follow too.
std::filesystem::path InstalledDataFromPrograms();

// The folders that may hold "data/", in the order they are tried: the working directory, then the
// installed data's folder beside the program (left out when the program's own folder is unknown).
std::vector<std::filesystem::path> DataParentCandidates(const std::filesystem::path& workingDirectory,
                                                        const std::filesystem::path& executableDirectory);

// The folder holding "data/" out of the two places; the working directory when neither has one, so the
// game then runs on its defaults there as it always did.
std::filesystem::path ChooseDataParent(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executableDirectory);

// The candidates of this process: its working directory and its executable's folder (for saying where a
// program looked).
std::vector<std::filesystem::path> DataParentCandidates();

// This process's first candidate that holds "data/"; nothing when none does.
std::optional<std::filesystem::path> FindDataParent();

// A file named on the command line as the program must name it once it has entered its data parent:
// made absolute when it is a file of the working directory and not one of the data folder's own
// ("levels/level1.xml" stays a name under "data/").
std::string NameAfterEnteringData(const std::string& name);

// Why no data folder was found, in one line naming the folders searched.
std::string NoDataFolderMessage();

struct DataSearch {
    bool entered = false;
    // Why not, in one line, when not entered.
    std::string refusal;
};

// Makes the folder holding "data/" the working directory (every data path is relative to it). Refuses
// when no candidate has a data folder or the directory cannot be changed; nothing changes then.
DataSearch EnterDataParent();

} // namespace Zelt
