// Placing a finished product for the building that made it.
#include "interface/MainPanel/ProductPlacing.h"

#include "interface/MessageLine.h"
#include "interface/OverlayNames.h"
#include "interface/PanelOverlay.h"
#include "interface/Toolbar.h"
#include "rules/PlaceableData.h"
#include "world/Building.h"

#include <string>

namespace Vorn::MainPanel {

ProductPlacing::ProductPlacing(PanelOverlay& overlay, MessageLine& messages)
    : overlay(overlay), messages(messages) {}

void ProductPlacing::Start(Building& building, const Constants::PlaceableData& rules,
                           int depositRequirement) {
    overlay.StartPlacement(rules.maxBaseDistance, rules.minEnemyDistance, rules.size, rules.areaMustBeSecured,
                           depositRequirement);
    placingFor = ObjectRef(&building);
    lastStatus = justStarted;
}

bool ProductPlacing::Take(Building& building, float& x, float& y) {
    if (!placingFor.Is(&building))
        return false;
    if (!overlay.TakeConfirmed(x, y))
        return false;
    placingFor.Reset();
    return true;
}

void ProductPlacing::Stop() {
    if (!placingFor)
        return;
    overlay.StopPlacing();
    float x = 0;
    float y = 0;
    // A put-down that the panel did not take in time belongs to nobody now.
    overlay.TakeConfirmed(x, y);
    placingFor.Reset();
}

void ProductPlacing::StopUnlessFor(const Building* building) {
    if (placingFor && (building == nullptr || !placingFor.Is(building)))
        Stop();
}

void ProductPlacing::Report() {
    if (!placingFor || !overlay.Placing()) {
        lastStatus = -1;
        return;
    }
    // The overlay judges the place in its next update; until then its status says nothing.
    if (lastStatus == justStarted) {
        lastStatus = -1;
        return;
    }
    const int status = overlay.PlacementStatus();
    const auto& reasons = OverlayNames::refusalTexts;
    if (status != lastStatus && status > 0 && status <= static_cast<int>(reasons.size()))
        messages.Post(Text("msg_cannot_place") + ": " +
                      Text(std::string(reasons[static_cast<std::size_t>(status - 1)])));
    lastStatus = status;
}

} // namespace Vorn::MainPanel
