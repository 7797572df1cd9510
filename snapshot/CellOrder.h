// Whether a saved list of things filed in a hash grid comes cell by cell.
#pragma once

#include "world/SpatialMap.h"

#include <cstdint>

namespace Vorn {

// The world walks a map cell by cell in key order, and a cell's contents in the order they were filed: a
// saved list reads back as written only when its cells' keys never fall along it. A list that breaks the
// order would be walked, numbered and written back in another order than the one saved.
class CellOrder {
public:
    bool Follows(float x, float y) {
        const std::uint32_t key = SpatialCellKeyOf(x, y);
        const bool follows = key >= last;
        last = key;
        return follows;
    }

private:
    std::uint32_t last = 0;
};

} // namespace Vorn
