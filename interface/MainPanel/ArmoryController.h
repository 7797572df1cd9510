// The panel of an armory: one switch per ammunition line. The armory's own lines are the state.
#pragma once

#include "interface/MainPanel/PanelView.h"

namespace Vorn {

class Armory;
class OrderIssuer;

namespace MainPanel {

class ArmoryToolbar;

class ArmoryController {
public:
    ArmoryController(ArmoryToolbar& toolbar, OrderIssuer& orders);

    // Orders a switch of every line clicked an odd number of times since the last update.
    PanelView Update(Armory& armory);

private:
    ArmoryToolbar& toolbar;
    OrderIssuer& orders;
};

} // namespace MainPanel

} // namespace Vorn
