// The box that rises from the main panel while a placeable order is shown. Until its texts are built it
// only moves: raised it comes up at 0.6 pixels per millisecond, lowered it sinks the main panel's height.
#pragma once

#include <algorithm>

namespace Vorn {

class BuildInfoPanel {
public:
    static constexpr float travel = 81.0f;

    void Update(unsigned elapsedMs) {
        position += (raised ? -0.6f : 0.6f) * static_cast<float>(elapsedMs);
        position = std::clamp(position, 0.0f, travel);
    }
    void Draw() const {}
    void Raise() { raised = true; }
    void Lower() { raised = false; }
    float Position() const { return position; }

private:
    float position = 0;
    bool raised = false;
};

} // namespace Vorn
