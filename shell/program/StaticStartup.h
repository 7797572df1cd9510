// What runs before the window exists: the side names, the modes, and every data table the program needs.
#pragma once

#include "shell/ExitReleases.h"

namespace Zelt {

// Fills the tables in their fixed order, registering each release right after its load.
void StaticStartup(ExitReleases& releases);
// The data files read before the window exists (part of StaticStartup).
void LoadStartupData(ExitReleases& releases);

} // namespace Zelt
