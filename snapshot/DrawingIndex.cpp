// Numbering the store's drawings.
#include "snapshot/DrawingIndex.h"

#include "visuals/DrawingStore.h"

namespace Vorn {

namespace {
constexpr std::uint32_t firstStoreNumber = 2;
}

DrawingIndex::DrawingIndex(const DrawingStore& store) : fallback(store.DefaultDrawing()) {
    for (const auto& [name, variants] : store.Drawings())
        for (const auto& variant : variants) {
            numbers.emplace(variant.get(), firstStoreNumber + static_cast<std::uint32_t>(drawings.size()));
            drawings.push_back(variant.get());
        }
}

std::uint32_t DrawingIndex::NumberOf(const Drawing* drawing) const {
    if (drawing == nullptr)
        return none;
    if (drawing == fallback)
        return storeDefault;
    const auto found = numbers.find(drawing);
    return found == numbers.end() ? none : found->second;
}

bool DrawingIndex::Find(std::uint32_t number, const Drawing*& drawing) const {
    if (number == none || number == storeDefault) {
        drawing = number == none ? nullptr : fallback;
        return true;
    }
    if (number - firstStoreNumber >= drawings.size())
        return false;
    drawing = drawings[number - firstStoreNumber];
    return true;
}

} // namespace Vorn
