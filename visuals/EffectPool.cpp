// Slots of whole cache lines for effects and their particle arrays, carved in order from large blocks.
#include "visuals/EffectPool.h"

#include <new>

namespace Vorn {

namespace {
constexpr std::align_val_t lineAlignment{EffectPool::lineBytes};
constexpr bool poolSlots = EffectPool::reusesSlots;
} // namespace

EffectPool::~EffectPool() {
    for (void* block : blocks)
        ::operator delete(block, lineAlignment);
}

void* EffectPool::Allocate(std::size_t bytes) {
    if (!poolSlots || bytes == 0 || bytes > largestSlot)
        return ::operator new(bytes, lineAlignment);
    const std::size_t sizeClass = SizeClass(bytes);
    if (FreeSlot* slot = freeSlots[sizeClass]) {
        freeSlots[sizeClass] = slot->next;
        return slot;
    }
    return Carve(sizeClass);
}

void EffectPool::Release(void* slot, std::size_t bytes) {
    if (slot == nullptr)
        return;
    if (!poolSlots || bytes == 0 || bytes > largestSlot)
        return ::operator delete(slot, lineAlignment);
    const std::size_t sizeClass = SizeClass(bytes);
    freeSlots[sizeClass] = new (slot) FreeSlot{freeSlots[sizeClass]};
}

void* EffectPool::Carve(std::size_t sizeClass) {
    const std::size_t slotBytes = (sizeClass + 1) * lineBytes;
    // The rest of a full block, too short for this slot, is left unused rather than tracked.
    if (carveFrom == nullptr || std::size_t(carveEnd - carveFrom) < slotBytes) {
        blocks.reserve(blocks.size() + 1);
        char* block = static_cast<char*>(::operator new(blockBytes, lineAlignment));
        blocks.push_back(block);
        carveFrom = block;
        carveEnd = block + blockBytes;
    }
    void* slot = carveFrom;
    carveFrom += slotBytes;
    return slot;
}

// Never destroyed: an effect deleted during the teardown of static objects must still find it.
EffectPool& TheEffectPool() {
    static EffectPool* const pool = new EffectPool;
    return *pool;
}

} // namespace Vorn
