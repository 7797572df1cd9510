// Where the mouse is over the panels and whether its left button is down, as the panels' updates read it.
#pragma once

namespace Vorn {

// Screen pixels with the origin at the bottom left and y up, as the panels draw.
struct PanelPointer {
    int x = -1;
    int y = -1;
    bool leftDown = false;
};

} // namespace Vorn
