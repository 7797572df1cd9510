// The C library's heap thresholds, raised once at start-up.
#include "platform/HeapReuse.h"

#include <malloc.h>

namespace platform {

namespace {
// The largest threshold the C library accepts for serving blocks from the heap.
constexpr int largestHeapBlock = 32 * 1024 * 1024;
// Freed memory at the top of the heap beyond this goes back to the system: far more than a frame frees.
constexpr int keptAtTheTop = 512 * 1024 * 1024;
} // namespace

void KeepFreedMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, keptAtTheTop);
}

} // namespace platform
