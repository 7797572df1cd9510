// The player's own settings files under the XDG configuration folder: "config.xml" and "keydef.xml" in the
// formats of the shipped ones, each entry in them overriding the shipped entry of the same name. Reading
// one never stops the game: a file that cannot be read is named once on the error stream and ignored.
#pragma once

#include "datafiles/Node.h"

#include <cstdint>
#include <functional>
#include <string>

namespace Zelt {

// A settings file is a few kilobytes; anything this large is not one, and is not read into memory.
inline constexpr std::uintmax_t largestUserSettingsFile = 1024 * 1024;

// The path of the player's copy of a settings file ("config.xml"), or empty when no configuration folder
// can be found (no HOME).
std::string UserSettingsPath(const std::string& name);

struct UserSettingsRead {
    // The file's elements; empty when it is missing or was refused.
    Brisk::Node document;
    // Why the file was refused, in one line; empty when it was read or is simply not there.
    std::string fault;
};

// Reads the file at path. A missing file is no fault (the player has not changed anything); a file that
// cannot be opened, is not a regular file, is larger than largestUserSettingsFile or holds no element
// although it has content is refused with the reason.
UserSettingsRead ReadUserSettingsFile(const std::string& path);

// Where refusals go: one line naming the file and the reason. The standard error stream by default.
using UserSettingsReport = std::function<void(const std::string& line)>;
void SetUserSettingsReport(UserSettingsReport report);

// ReadUserSettingsFile, telling the report of a refusal once per path for the whole run, so a settings
// screen that reads the file again does not repeat it.
Brisk::Node ReadUserSettings(const std::string& path);

} // namespace Zelt
