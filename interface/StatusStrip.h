// The three buttons right of the toolbars. Until they are built the strip shows and takes nothing.
#pragma once

namespace Vorn {

class StatusStrip {
public:
    void Update() {}
    void Draw() const {}
    // Screen coordinates with y up; a non-zero `refuse` (the button index) makes it take nothing.
    bool Click(int /*x*/, int /*y*/, int /*refuse*/) { return false; }
};

} // namespace Vorn
