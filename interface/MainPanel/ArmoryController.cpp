// An armory's ammunition lines switched on and off.
#include "interface/MainPanel/ArmoryController.h"

#include "interface/MainPanel/ArmoryToolbar.h"
#include "interface/OrderIssuer.h"
#include "world/Armory.h"

namespace Vorn::MainPanel {

ArmoryController::ArmoryController(ArmoryToolbar& toolbar, OrderIssuer& orders)
    : toolbar(toolbar), orders(orders) {}

PanelView ArmoryController::Update(Armory& armory) {
    for (int i = 0; i < ArmoryToolbar::buttonCount; ++i) {
        const BulletType kind = ArmoryToolbar::KindOf(i);
        // Every click flips the line once.
        if (toolbar.TakeClicks(i) % 2 == 1)
            orders.Issue(ArmoryLineCommand(armory.Serial(), kind, !armory.IsProducing(kind)));
    }
    return {&toolbar, {}};
}

} // namespace Vorn::MainPanel
