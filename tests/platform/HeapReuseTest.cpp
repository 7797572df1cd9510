// The heap keeps freed memory for reuse: a frame's worth of large blocks, freed and allocated again,
// neither maps new memory nor shrinks the heap in between. Its fresh memory is backed by large pages.
#include "platform/HeapReuse.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
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

bool SystemLeavesLargePagesToPrograms() {
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(setting, modes);
    return modes.find("[never]") == std::string::npos && !modes.empty();
}

// The flags of the mapping that holds the address, as /proc/self/smaps lists them ("rd wr mr ... hg").
std::string MappingFlagsAt(const void* address) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/smaps");
    bool inside = false;
    for (std::string line; std::getline(maps, line);) {
        std::uintptr_t start = 0;
        std::uintptr_t end = 0;
        char dash = 0;
        if (std::istringstream range(line); range >> std::hex >> start >> dash >> end && dash == '-') {
            inside = start <= at && at < end;
        } else if (inside && line.starts_with("VmFlags:")) {
            return line;
        }
    }
    return "";
}

TEST(HeapReuseTest, TheHeapsFreshMemoryIsAdvisedToUseLargePages) {
    if (!heapIsTheCLibrarys || !SystemLeavesLargePagesToPrograms())
        GTEST_SKIP() << "needs the C library's heap and a system that leaves large pages to programs";
    // In a child of its own: the heap's growth stays out of the other tests' measurements.
    EXPECT_EXIT(
        {
            platform::KeepFreedMemoryForReuse();
            platform::BackTheHeapWithLargePages();
            // The block's first bytes may lie in the last small pages before the first 2 MB boundary.
            char* block = static_cast<char*>(std::malloc(8 << 20));
            const bool advised = MappingFlagsAt(block + (8 << 20) - 1).find(" hg") != std::string::npos;
            std::free(block);
            std::exit(advised ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
