// A headquarters' orders of buildings, from the choice to the placing.
#include "interface/MainPanel/HqController.h"

#include "interface/MainPanel/HqToolbar.h"
#include "interface/MainPanel/ProductPlacing.h"
#include "interface/OrderIssuer.h"
#include "world/HQ.h"

namespace Vorn::MainPanel {

HqController::HqController(HqToolbar& hqToolbar, PlaceToolbar& placeToolbar, OrderIssuer& orders,
                           ProductPlacing& placing)
    : hqToolbar(hqToolbar), placeToolbar(placeToolbar), orders(orders), placing(placing) {}

PanelView HqController::Update(HQ& hq) {
    auto& slot = hq.Slot();
    if (slot.active) {
        if (Clicked(placeToolbar, PlaceToolbar::cancelButton)) {
            orders.Issue(CancelOrderCommand(hq.Serial(), ProductFamily::Building));
            placing.Stop();
        } else if (Clicked(placeToolbar, PlaceToolbar::placeButton) && slot.IsComplete()) {
            if (const auto* rules = PlaceableOf(slot.type))
                placing.Start(hq, *rules, slot.type == BuildingType::Mine ? 0 : -1);
        }
        PlaceOrder(hq);
    } else {
        StartOrder(hq);
    }
    if (slot.active)
        return ShowOrder(placeToolbar, ViewOf(slot, TypeNameOf(slot.type), Text(TextKeyOf(slot.type))));
    return {&hqToolbar, {}};
}

void HqController::PlaceOrder(HQ& hq) {
    float x = 0;
    float y = 0;
    if (!hq.Slot().active || !placing.Take(hq, x, y))
        return;
    orders.Issue(PlaceCommand(hq.Serial(), ProductFamily::Building, x, y));
}

void HqController::StartOrder(HQ& hq) {
    for (int i = 0; i < HqToolbar::buttonCount; ++i) {
        if (Clicked(hqToolbar, i)) {
            orders.Issue(BuildCommand(hq.Serial(), HqToolbar::TypeOf(i)));
            placeToolbar.SetEnabled(PlaceToolbar::placeButton, false);
            return;
        }
    }
}

} // namespace Vorn::MainPanel
