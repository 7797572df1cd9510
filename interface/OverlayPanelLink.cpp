// The main panel's view of the map overlay.
#include "interface/OverlayPanelLink.h"

#include "interface/MapOverlay.h"

namespace Vorn {

const std::vector<Object*>& OverlayPanelLink::Selection() const {
    return overlay.Selection();
}

// Until the overlay places products itself, the link keeps the request and nothing is ever put down.
void OverlayPanelLink::StartPlacement(float, float, float, bool, int) {
    placing = true;
}

bool OverlayPanelLink::Placing() const {
    return placing;
}

void OverlayPanelLink::StopPlacing() {
    placing = false;
}

bool OverlayPanelLink::TakeConfirmed(float&, float&) {
    return false;
}

int OverlayPanelLink::PlacementStatus() const {
    return 0;
}

} // namespace Vorn
