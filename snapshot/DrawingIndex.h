// The drawings of the store by number, so that a save names an object's drawing (a type's variant
// included) without its address.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace Vorn {

class Drawing;
class DrawingStore;

// Numbers follow the store's names in order and each name's variants in order, so the same drawing files
// number the same drawings alike in every process; the data hash a save carries keeps them the same.
class DrawingIndex {
public:
    static constexpr std::uint32_t none = 0;
    static constexpr std::uint32_t storeDefault = 1;

    explicit DrawingIndex(const DrawingStore& store);

    // none for null and for a drawing the store does not hold.
    std::uint32_t NumberOf(const Drawing* drawing) const;
    // False for a number that names no drawing.
    bool Find(std::uint32_t number, const Drawing*& drawing) const;

private:
    const Drawing* fallback;
    std::vector<const Drawing*> drawings;
    std::unordered_map<const Drawing*, std::uint32_t> numbers;
};

} // namespace Vorn
