// How the process's heap treats memory it is given back.
#pragma once

namespace platform {

// From now on the heap keeps what is freed for the next allocation instead of handing it back to the
// system, and serves blocks of up to 32 MB from itself instead of mapping each one on its own.
//
// The software GL driver allocates its vertex uploads and its frame's bins anew every frame, megabytes
// of them when many units are in view. With the C library's defaults each frame shrank the heap on the
// way out and grew it again on the way in, and the kernel zeroed and faulted in every page again: an
// eighth of the game's thread in the zoomed-out views. The cost is that the process keeps the memory of
// its busiest frame; the game's is a few hundred megabytes at most.
void KeepFreedMemoryForReuse();

} // namespace platform
