// The C library's heap, set up once at start-up: its thresholds raised, its fresh pages large.
#include "platform/HeapReuse.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace platform {

namespace {
// The largest threshold the C library accepts for serving blocks from the heap.
constexpr int largestHeapBlock = 32 * 1024 * 1024;
// Freed memory at the top of the heap beyond this goes back to the system: far more than a frame frees.
constexpr int keptAtTheTop = 512 * 1024 * 1024;
// More than a game's heap grows to; address space only, until touched.
constexpr int largePageReserve = 256 * 1024 * 1024;
// A block the heap must grow for, yet below largestHeapBlock so the heap serves it.
constexpr std::size_t growingBlock = 16 * 1024 * 1024;
// The C library's own padding of each growth of the heap.
constexpr int usualTopPad = 128 * 1024;
constexpr std::uintptr_t largePage = 2 * 1024 * 1024;
} // namespace

void KeepFreedMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, keptAtTheTop);
}

// The range is the heap's free top (what it holds above its last block) and its growth, read off the
// program break and the heap's own figures, never off a block's address: an allocator that does not grow
// by the break leaves nothing to advise. The advice is a hint; it never changes what memory holds.
void BackTheHeapWithLargePages() {
    const auto freeTop = static_cast<std::uintptr_t>(mallinfo2().keepcost);
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0)) - freeTop;
    mallopt(M_TOP_PAD, largePageReserve);
    // Volatile, or the compiler may drop an allocation that is freed unused.
    void* volatile block = std::malloc(growingBlock);
    std::free(block);
    mallopt(M_TOP_PAD, usualTopPad);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t start = (before + largePage - 1) & ~(largePage - 1);
    const std::uintptr_t end = after & ~(largePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

} // namespace platform
