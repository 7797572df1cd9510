// The game's version, compiled in from the CMake project's version by shell/CMakeLists.txt.
#include "shell/GameVersion.h"

#ifndef SECTOR_CLASH_VERSION
#error "SECTOR_CLASH_VERSION is the CMake project's version, given by shell/CMakeLists.txt"
#endif

namespace Zelt {

std::string_view GameVersion() {
    return SECTOR_CLASH_VERSION;
}

} // namespace Zelt
