// A panel that slides out of the screen when the player switches it off and back when switched on.
#pragma once

namespace Vorn {

// The position counts the pixels the panel is moved out; 0 is fully shown. A panel slid out entirely is
// neither drawn, updated nor clickable; one partly out is drawn but not clickable.
class SlidingPanel {
public:
    SlidingPanel() = default;
    // The panel travels from 0 to `travel`; a negative travel runs from `travel` to 0.
    explicit SlidingPanel(float travel);
    // Moves one pixel per millisecond, out while hidden and back otherwise, within the range.
    void Update(bool hide, float elapsedMs);
    bool FullyShown() const { return position == 0.0f; }
    float Position() const { return position; }
    bool Hidden() const { return hidden; }
    float Minimum() const { return minimum; }
    float Maximum() const { return maximum; }

private:
    float position = 0;
    bool hidden = false;
    float minimum = 0;
    float maximum = 0;
};

} // namespace Vorn
