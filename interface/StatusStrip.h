// The three small buttons at the right end of the main panel. The second destroys the selected units, after
// a second click within two seconds; the first is never enabled and the third does nothing yet.
#pragma once

#include "interface/PanelPointer.h"
#include "interface/ToolbarButton.h"

namespace Vorn {

class MessageLine;
class OrderIssuer;
class PanelOverlay;

class StatusStrip {
public:
    // How long the first click on "destroy" waits for the second.
    static constexpr unsigned confirmMs = 2000;

    StatusStrip(PanelOverlay& overlay, MessageLine& messages, OrderIssuer& orders, int screenWidth);

    void Update(unsigned elapsedMs, const PanelPointer& pointer);
    // Needs a GL context.
    void Draw() const;
    // Screen coordinates with y up; a non-zero refuse (the mouse button) takes nothing.
    bool Click(int x, int y, int refuse);

    const ToolbarButton& First() const { return first; }
    const ToolbarButton& Second() const { return second; }
    const ToolbarButton& Third() const { return third; }
    // A first click on "destroy" waits for its second.
    bool Armed() const { return armedMs > 0; }

private:
    // Every selected tank, tower and building of the player's side is ordered to die at the end of the
    // world's next step, even one that a repairer heals in that step.
    void DestroySelection();
    bool Over(int left, int px, int py) const;

    OrderIssuer& orders;
    PanelOverlay& overlay;
    MessageLine& messages;
    int screenWidth;
    ToolbarButton first;
    ToolbarButton second;
    ToolbarButton third;
    unsigned armedMs = 0;
};

} // namespace Vorn
