// Whether a box on the window can hold a pixel centre. A triangle or quad (never smoothed) whose box holds
// none gives no pixel at all, so the batches leave it out: far out, most of what a battle draws is smaller
// than the gaps between the centres, and costs the software driver as much as what shows.
#pragma once

#include <cmath>

namespace Vorn {

// Whether a pixel centre (a whole number and a half) lies between low and high, in window pixels, or so
// close that the driver's own rounding of the corners could bring one in. Not finite counts as yes.
inline bool HoldsAPixelCentre(float low, float high) {
    constexpr float slack = 1.0f / 64;
    return !(std::floor(high + slack - 0.5f) < std::ceil(low - slack - 0.5f));
}

inline bool BoxHoldsAPixelCentre(float left, float right, float bottom, float top) {
    return HoldsAPixelCentre(left, right) && HoldsAPixelCentre(bottom, top);
}

} // namespace Vorn
