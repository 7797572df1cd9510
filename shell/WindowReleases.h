// What is made after the window exists (the mouse, GPU objects, the particle systems) is released here,
// newest first, when the window goes: whoever makes one registers its release right beside it.
#pragma once

#include "shell/ExitReleases.h"

namespace Zelt {

extern ExitReleases windowReleases;

} // namespace Zelt
