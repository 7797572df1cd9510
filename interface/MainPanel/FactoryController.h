// The panel of a tank factory. Its state (FactoryPanelState, kept by the factory so that the panel returns
// to it when the factory is selected again) steps from the queue through the tank's chassis, armour,
// turret and count, each step with its own toolbar, or from the queue to the choice of group.
#pragma once

#include "interface/MainPanel/PanelView.h"

namespace Vorn {

class OrderIssuer;
class TankFactory;

namespace MainPanel {

class ArmorToolbar;
class ChasisToolbar;
class CountToolbar;
class FactoryToolbar;
class GroupsToolbar;
class TurretToolbar;

// The toolbars of the factory's steps, in the order of FactoryPanelStep.
struct FactoryToolbars {
    FactoryToolbar& queue;
    GroupsToolbar& groups;
    ChasisToolbar& chassis;
    ArmorToolbar& armor;
    TurretToolbar& turret;
    CountToolbar& count;
};

class FactoryController {
public:
    FactoryController(const FactoryToolbars& toolbars, OrderIssuer& orders);

    // Acts on the clicks counted since the last update, in the step the factory's panel is in, and
    // answers the toolbar of the step it is in now.
    PanelView Update(TankFactory& factory);

private:
    void QueueClicks(TankFactory& factory);
    void DesignClicks(TankFactory& factory);
    void GroupClicks(TankFactory& factory);
    void EnableDesignButtons(const TankFactory& factory);
    // The toolbar of the step the factory's panel is in.
    Toolbar& StepToolbar(const TankFactory& factory) const;

    FactoryToolbars toolbars;
    OrderIssuer& orders;
};

} // namespace MainPanel

} // namespace Vorn
