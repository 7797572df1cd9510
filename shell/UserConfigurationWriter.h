// Writing the player's settings back: only the entries that differ from the shipped "config.xml", in its
// format, to the configuration folder's "config.xml", so a later game version's new defaults still reach
// every setting the player never touched.
#pragma once

#include "shell/Configuration.h"

#include <string>

namespace Zelt {

// The text of the player's "config.xml": every entry of `chosen` whose value differs from `shipped`,
// grouped under the elements "config.xml" uses. Read back with ApplyConfiguration over `shipped` it
// gives `chosen` again.
std::string UserConfigurationText(const Configuration& chosen, const Configuration& shipped);

// Writes UserConfigurationText(configuration, shippedConfiguration) through a temporary file into the
// configuration folder, making the folder when needed. False with the reason, in one line naming the
// file, when it cannot; the file that stood there is then untouched.
bool SaveUserConfiguration(std::string& fault);

} // namespace Zelt
