// The game's version, set once by the project() line of the top-level CMakeLists.txt. Whatever shows or
// records which version made it (the programs' --version among them) reads it here, so a release changes
// one line.
#pragma once

#include <string_view>

namespace Zelt {

// "MAJOR.MINOR.PATCH", as CMake's project version.
std::string_view GameVersion();

} // namespace Zelt
