// Where a point falls on the window, and whether a box there can hold a pixel centre. A triangle or quad
// (never smoothed) whose box holds none gives no pixel at all, so the batches leave it out: far out, most
// of what a battle draws is smaller than the gaps between the centres, and costs the software driver as
// much as what shows.
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

// The window pixels (from the viewport's corner) of a point (x, y, 0) under a matrix that takes it to
// clip coordinates with w = 1: x = toWindow[0] x + toWindow[1] y + toWindow[2], y likewise from the rest.
inline void MapToWindow(const float (&toClip)[16], int viewportWidth, int viewportHeight,
                        float (&toWindow)[6]) {
    const float halfWidth = static_cast<float>(viewportWidth) / 2;
    const float halfHeight = static_cast<float>(viewportHeight) / 2;
    toWindow[0] = toClip[0] * halfWidth;
    toWindow[1] = toClip[4] * halfWidth;
    toWindow[2] = (toClip[12] + 1) * halfWidth;
    toWindow[3] = toClip[1] * halfHeight;
    toWindow[4] = toClip[5] * halfHeight;
    toWindow[5] = (toClip[13] + 1) * halfHeight;
}

// The map back from window pixels to the coordinates MapToWindow took there; false when it flattens the
// plane onto a line.
inline bool InvertAffine(const float (&toWindow)[6], float (&fromWindow)[6]) {
    const float determinant = toWindow[0] * toWindow[4] - toWindow[1] * toWindow[3];
    if (!(std::abs(determinant) > 0) || !std::isfinite(determinant))
        return false;
    fromWindow[0] = toWindow[4] / determinant;
    fromWindow[1] = -toWindow[1] / determinant;
    fromWindow[2] = (toWindow[1] * toWindow[5] - toWindow[4] * toWindow[2]) / determinant;
    fromWindow[3] = -toWindow[3] / determinant;
    fromWindow[4] = toWindow[0] / determinant;
    fromWindow[5] = (toWindow[3] * toWindow[2] - toWindow[0] * toWindow[5]) / determinant;
    return true;
}

} // namespace Vorn
