// The main panel's view of the map overlay.
#include "interface/OverlayPanelLink.h"

#include "interface/MapOverlay.h"

namespace Vorn {

const std::vector<Object*>& OverlayPanelLink::Selection() const {
    return overlay.Selection();
}

void OverlayPanelLink::StartPlacement(float maxBaseDistance, float minEnemyDistance, float size,
                                      bool areaMustBeSecured, int depositRequirement) {
    overlay.StartPlacement(maxBaseDistance, minEnemyDistance, size, areaMustBeSecured, depositRequirement);
}

bool OverlayPanelLink::Placing() const {
    return overlay.Placing();
}

void OverlayPanelLink::StopPlacing() {
    overlay.StopPlacing();
}

bool OverlayPanelLink::TakeConfirmed(float& x, float& y) {
    if (!overlay.PlacementConfirmed())
        return false;
    x = overlay.PlacementX();
    y = overlay.PlacementY();
    overlay.ClearConfirmation();
    return true;
}

int OverlayPanelLink::PlacementStatus() const {
    return static_cast<int>(overlay.Status());
}

} // namespace Vorn
