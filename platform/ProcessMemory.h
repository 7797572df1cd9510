// How much memory this process holds, for the soak runs that watch it grow.
#pragma once

namespace platform {

// The resident set in kB, from /proc; -1 where it cannot be read.
long ResidentKb();

} // namespace platform
