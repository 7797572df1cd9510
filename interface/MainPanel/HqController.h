// The panel of a headquarters or an outpost: while nothing is ordered its building toolbar, then the place
// toolbar of the running order until the building is placed or the order cancelled. The slot's own
// activity is the state, so nothing is kept here.
#pragma once

#include "interface/MainPanel/PanelView.h"

namespace Vorn {

class HQ;
class OrderIssuer;

namespace MainPanel {

class HqToolbar;
class ProductPlacing;

class HqController {
public:
    HqController(HqToolbar& hqToolbar, PlaceToolbar& placeToolbar, OrderIssuer& orders,
                 ProductPlacing& placing);

    // Acts on the clicks counted since the last update and answers what to show.
    PanelView Update(HQ& hq);

private:
    void PlaceOrder(HQ& hq);
    void StartOrder(HQ& hq);

    HqToolbar& hqToolbar;
    PlaceToolbar& placeToolbar;
    OrderIssuer& orders;
    ProductPlacing& placing;
};

} // namespace MainPanel

} // namespace Vorn
