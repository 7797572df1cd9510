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

// Grows the heap at once by a few hundred megabytes of address space, none of it touched yet, and asks the
// kernel to back that range with 2 MB pages where it can (transparent huge pages, when the system leaves
// them to the program). Call after KeepFreedMemoryForReuse, which keeps the range from being handed back.
//
// Starting the game touches a hundred megabytes of fresh heap (the GL driver's textures and buffers, the
// glyph atlases, the data), and on a virtual machine each 4 kB page's first touch was a costly fault:
// nearly a fifth of a start's processor time. A 2 MB page is one fault for 512 of them. Nothing happens
// when the heap is not the C library's (under the sanitizers) or the system has no such pages.
void BackTheHeapWithLargePages();

} // namespace platform
