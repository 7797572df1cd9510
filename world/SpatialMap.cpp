// Cell indices and keys of the world's hash grids.
#include "world/SpatialMap.h"

namespace Vorn {

namespace {
// Far beyond any map, and small enough that a neighbouring index never overflows.
constexpr float indexLimit = 1 << 30;
} // namespace

int SpatialCellIndex(float coordinate) {
    const float scaled = coordinate / SpatialMap<void>::cellSize;
    // Every query works out four of these, and nearbyint is a library call. Below 2^22 in size, adding and
    // taking away 1.5 * 2^23 gives the same nearest integer with ties to even, since the sum then lies
    // where floats are whole numbers and 1.5 * 2^23 is even.
    constexpr float quickLimit = 4194304.0f;
    constexpr float roundingShift = 12582912.0f;
    if (std::fabs(scaled) < quickLimit)
        return static_cast<int>((scaled + roundingShift) - roundingShift);
    // nearbyint rounds ties to even under the default rounding mode, which the game never changes.
    const float index = std::nearbyint(scaled);
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
