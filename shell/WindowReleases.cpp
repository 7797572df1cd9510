// What is made after the window exists is released here, newest first, when the window goes.
#include "shell/WindowReleases.h"

namespace Zelt {

ExitReleases windowReleases;

} // namespace Zelt
