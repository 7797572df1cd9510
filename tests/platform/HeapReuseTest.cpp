// The heap keeps freed memory for reuse: a frame's worth of large blocks, freed and allocated again,
// neither maps new memory nor shrinks the heap in between.
#include "platform/HeapReuse.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool heapIsTheCLibrarys = false;
#else
constexpr bool heapIsTheCLibrarys = true;
#endif

struct Free {
    void operator()(void* block) const { std::free(block); }
};

TEST(HeapReuseTest, LargeBlocksComeFromTheHeapAndStayWithItWhenFreed) {
    if (!heapIsTheCLibrarys)
        GTEST_SKIP() << "the sanitizer's allocator has no such thresholds";
    platform::KeepFreedMemoryForReuse();
    const struct mallinfo2 before = mallinfo2();
    std::vector<std::unique_ptr<char, Free>> frame;
    // Blocks the size of a busy frame's vertex uploads: each used to be a mapping of its own.
    for (int i = 0; i < 8; ++i) {
        frame.emplace_back(static_cast<char*>(std::malloc(4 << 20)));
        ASSERT_NE(frame.back(), nullptr);
        frame.back().get()[0] = 1;
    }
    const struct mallinfo2 during = mallinfo2();
    EXPECT_EQ(during.hblks, before.hblks) << "no block was mapped on its own";
    EXPECT_GE(during.arena, before.arena + (32u << 20)) << "the heap grew to hold them";
    frame.clear();
    const struct mallinfo2 after = mallinfo2();
    EXPECT_EQ(after.arena, during.arena) << "freeing them kept the heap's memory for the next frame";
}

} // namespace
