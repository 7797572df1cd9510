// Where the player's own files live: settings under the XDG configuration folder, saves, replays and
// campaign progress under the XDG data folder. The game never writes its data folder; everything it
// writes goes here, and every writer goes through ReplaceFile (datafiles/) so a crash never leaves half
// a file.
#pragma once

#include <string>

namespace Zelt {

// $XDG_CONFIG_HOME/sector-clash, or ~/.config/sector-clash when the variable is unset, empty or not an
// absolute path (as the XDG rules ask). Empty when neither it nor HOME can be found.
std::string UserConfigFolder();

// $XDG_DATA_HOME/sector-clash, or ~/.local/share/sector-clash, by the same rules.
std::string UserDataFolder();

// Folders under the data folder for one kind of file: "saves", "replays".
std::string UserDataSubfolder(const std::string& name);

// Creates the folder and its missing parents (mode 0700 for new ones, as the XDG rules ask). False with
// errno set when it cannot; true when it already stood.
bool MakeUserFolder(const std::string& folder);

} // namespace Zelt
