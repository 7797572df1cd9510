// Where effects and their particle arrays live: slots of whole cache lines carved in order from large
// blocks, so that an effect and the arrays made with it lie side by side, each starting on a line.
#pragma once

#include <cstddef>
#include <vector>

// Under AddressSanitizer every effect gets a heap block of its own, so that a use after deletion is still
// caught rather than landing in a reused slot.
#if defined(__SANITIZE_ADDRESS__)
#define VORN_EFFECT_POOL_REUSES_SLOTS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORN_EFFECT_POOL_REUSES_SLOTS 0
#endif
#endif
#ifndef VORN_EFFECT_POOL_REUSES_SLOTS
#define VORN_EFFECT_POOL_REUSES_SLOTS 1
#endif

namespace Vorn {

// The world walks tens of thousands of effects a tick, each with its particles; from the general heap each
// lay wherever a gap was and straddled one line more than its size needs. Every size is carved from the same
// block in the order asked for, so an effect, its system's particles and its layers, made one after the
// other, lie together; slots of one size are reused last freed first. The pool serves the simulation's one
// thread and keeps its blocks until the process ends: effects may be deleted as late as the last world's
// teardown. Sizes above the largest slot go to the general heap.
class EffectPool {
public:
    static constexpr std::size_t lineBytes = 64;
    static constexpr std::size_t largestSlot = 32 * lineBytes;
    static constexpr std::size_t blockBytes = 64 * 1024;
    static constexpr bool reusesSlots = VORN_EFFECT_POOL_REUSES_SLOTS != 0;

    EffectPool() = default;
    EffectPool(const EffectPool&) = delete;
    EffectPool& operator=(const EffectPool&) = delete;
    ~EffectPool();

    // A slot of at least `bytes`, aligned to a cache line. Release takes the same size back.
    void* Allocate(std::size_t bytes);
    void Release(void* slot, std::size_t bytes);

private:
    struct FreeSlot {
        FreeSlot* next;
    };
    static constexpr std::size_t slotSizes = largestSlot / lineBytes;

    static std::size_t SizeClass(std::size_t bytes) { return (bytes + lineBytes - 1) / lineBytes - 1; }
    void* Carve(std::size_t sizeClass);

    FreeSlot* freeSlots[slotSizes] = {};
    // The unused rest of the block every size class carves from.
    char* carveFrom = nullptr;
    char* carveEnd = nullptr;
    std::vector<void*> blocks;
};

// The process's pool, which Effect's own new and delete and the particle and layer arrays use.
EffectPool& TheEffectPool();

} // namespace Vorn
