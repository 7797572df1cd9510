// Cell indices and keys of the world's hash grids.
#include "world/SpatialMap.h"

namespace Vorn {

namespace {
// Far beyond any map, and small enough that a neighbouring index never overflows.
constexpr float indexLimit = 1 << 30;
} // namespace

int SpatialCellIndex(float coordinate) {
    // nearbyint rounds ties to even under the default rounding mode, which the game never changes.
    const float index = std::nearbyint(coordinate / SpatialMap<void>::cellSize);
    if (std::isnan(index))
        return 0;
    return static_cast<int>(std::clamp(index, -indexLimit, indexLimit));
}

std::uint32_t SpatialCellKey(int cx, int cy) {
    return (static_cast<std::uint32_t>(cx) << 16) | (static_cast<std::uint32_t>(cy) & 0xFFFFu);
}

std::uint32_t SpatialCellKeyOf(float x, float y) {
    return SpatialCellKey(SpatialCellIndex(x), SpatialCellIndex(y));
}

} // namespace Vorn
