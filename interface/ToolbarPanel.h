// The main panel's toolbars, where production is ordered. Until they are built the band is empty: the
// panel updates, draws and takes no click, and the band itself still keeps clicks from the map.
#pragma once

namespace Vorn {

class ToolbarPanel {
public:
    void Update(unsigned /*elapsedMs*/) {}
    void Draw() const {}
    // Screen coordinates with y up; a non-zero `refuse` (the button index) makes it take nothing.
    bool Click(int /*x*/, int /*y*/, int /*refuse*/) { return false; }
};

} // namespace Vorn
