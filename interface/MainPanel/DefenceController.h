// The panel of a defence building. Its state (DefencePanelState, kept by the building so that the panel
// returns to it when the building is selected again) steps from the choice of product to the turrets that
// fit the tower chosen, and then to the running order of one family; placing the product or cancelling
// the order steps back.
#pragma once

#include "interface/MainPanel/PanelView.h"

namespace Vorn {

class Defence;
class OrderIssuer;

namespace MainPanel {

class DefencesToolbar;
class ProductPlacing;
class TurretToolbar;

class DefenceController {
public:
    DefenceController(DefencesToolbar& defencesToolbar, TurretToolbar& turretToolbar,
                      PlaceToolbar& placeToolbar, OrderIssuer& orders, ProductPlacing& placing);

    // Acts on the clicks counted since the last update, in the step the building's panel is in, and
    // answers what the step it is in now shows.
    PanelView Update(Defence& defence);

private:
    void Choice(Defence& defence);
    void TurretChoice(Defence& defence);
    void RunningOrder(Defence& defence);
    void PlaceOrder(Defence& defence);
    PanelView View(Defence& defence);

    DefencesToolbar& defencesToolbar;
    TurretToolbar& turretToolbar;
    PlaceToolbar& placeToolbar;
    OrderIssuer& orders;
    ProductPlacing& placing;
};

} // namespace MainPanel

} // namespace Vorn
