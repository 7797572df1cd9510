// A panel that slides out of the screen and back.
#include "interface/SlidingPanel.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
// A travel that is no number (a broken file) keeps the panel where it is.
float Finite(float travel) {
    return std::isfinite(travel) ? travel : 0.0f;
}
} // namespace

SlidingPanel::SlidingPanel(float travel)
    : minimum(std::min(Finite(travel), 0.0f)), maximum(std::max(Finite(travel), 0.0f)) {}

void SlidingPanel::Update(bool hide, float elapsedMs) {
    hidden = hide;
    position += hidden ? elapsedMs : -elapsedMs;
    position = std::clamp(position, minimum, maximum);
}

} // namespace Vorn
