// Where the main panel's strips stand, from the screen size and the minimap's size and offset.
#pragma once

#include <algorithm>
#include <cmath>

namespace Vorn {

// The minimap's size and offset as the interface uses them. A layout file may give any number: one that is
// not finite counts as 0, and none reaches beyond 65,536 pixels (a size none below 0), so every position
// worked out from them stays a whole number of pixels.
inline double UsableMinimapSize(double size) {
    return std::isfinite(size) ? std::clamp(size, 0.0, 65536.0) : 0.0;
}
inline double UsableMinimapOffset(double offset) {
    return std::isfinite(offset) ? std::clamp(offset, -65536.0, 65536.0) : 0.0;
}

// Made from usable measures only.
struct PanelLayout {
    int screenWidth = 1280;
    int screenHeight = 720;
    double minimapSize = 0;
    double minimapOffset = 0;

    // Every toolbar stands right of the minimap, 8 pixels above the screen's bottom edge.
    int ToolbarX() const { return static_cast<int>(minimapSize + 2 * minimapOffset + 8); }
    int ToolbarY() const { return 8; }
    int ToolbarWidth() const { return static_cast<int>(screenWidth - 2 * minimapOffset - minimapSize - 199); }
    // The factory's four buttons need no more.
    int FactoryToolbarWidth() const { return std::min(ToolbarWidth(), 330); }
    // Where the panel translates to before drawing a toolbar.
    double DrawX() const { return minimapSize + 8 + 2 * std::trunc(minimapOffset); }
};

} // namespace Vorn
