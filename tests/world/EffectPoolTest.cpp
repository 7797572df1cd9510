// The effect pool: slots on whole cache lines that never overlap while held, carved in order whatever their
// size, a freed slot given back to the next request of its size, and sizes beyond the largest slot served.
#include "visuals/EffectPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using Vorn::EffectPool;

namespace {

std::uintptr_t AddressOf(const void* slot) {
    return reinterpret_cast<std::uintptr_t>(slot);
}

TEST(EffectPool, HeldSlotsStartOnLinesAndNeverOverlap) {
    EffectPool pool;
    std::vector<void*> held;
    // Enough of two sizes to need a second block for each, interleaved as a battle makes them.
    for (int i = 0; i < 1200; ++i) {
        const std::size_t bytes = i % 2 == 0 ? 128 : 160;
        void* slot = pool.Allocate(bytes);
        ASSERT_EQ(AddressOf(slot) % EffectPool::lineBytes, 0u);
        std::memset(slot, i & 0xff, bytes);
        held.push_back(slot);
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
        const auto* bytes = static_cast<const unsigned char*>(held[i]);
        const std::size_t size = i % 2 == 0 ? 128 : 160;
        EXPECT_EQ(bytes[0], i & 0xff) << "slot " << i << " was overwritten by a later one";
        EXPECT_EQ(bytes[size - 1], i & 0xff) << "slot " << i << " was overwritten by a later one";
    }
    for (std::size_t i = 0; i < held.size(); ++i)
        pool.Release(held[i], i % 2 == 0 ? 128 : 160);
}

// An effect, then its particles and its layers: whatever their sizes, they lie together.
TEST(EffectPool, SlotsMadeOneAfterAnotherLieSideBySide) {
    EffectPool pool;
    void* first = pool.Allocate(128);
    void* second = pool.Allocate(64);
    void* third = pool.Allocate(120);
    if (EffectPool::reusesSlots) {
        EXPECT_EQ(AddressOf(second), AddressOf(first) + 128);
        EXPECT_EQ(AddressOf(third), AddressOf(second) + 64);
    }
    pool.Release(first, 128);
    pool.Release(second, 64);
    pool.Release(third, 120);
}

TEST(EffectPool, AFreedSlotServesTheNextRequestOfItsSize) {
    if (!EffectPool::reusesSlots)
        GTEST_SKIP() << "under AddressSanitizer every slot is a heap block of its own";
    EffectPool pool;
    void* kept = pool.Allocate(128);
    void* freed = pool.Allocate(128);
    void* larger = pool.Allocate(192);
    pool.Release(freed, 128);
    EXPECT_NE(pool.Allocate(192), freed) << "a slot is reused only for its own size";
    EXPECT_EQ(pool.Allocate(100), freed);
    EXPECT_NE(pool.Allocate(128), freed) << "a reused slot is no longer free";
    pool.Release(kept, 128);
    pool.Release(larger, 192);
}

TEST(EffectPool, SizesBeyondTheLargestSlotAreServedToo) {
    EffectPool pool;
    const std::size_t bytes = EffectPool::largestSlot + 1;
    void* big = pool.Allocate(bytes);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(AddressOf(big) % EffectPool::lineBytes, 0u);
    std::memset(big, 1, bytes);
    pool.Release(big, bytes);
}

} // namespace
