// The main panel's view of the map overlay: the selection, and placing what the panel's buildings finish.
#pragma once

#include "interface/PanelOverlay.h"

namespace Vorn {

class MapOverlay;

class OverlayPanelLink : public PanelOverlay {
public:
    explicit OverlayPanelLink(MapOverlay& overlay) : overlay(overlay) {}

    const std::vector<Object*>& Selection() const override;
    void StartPlacement(float maxBaseDistance, float minEnemyDistance, float size, bool areaMustBeSecured,
                        int depositRequirement) override;
    bool Placing() const override;
    void StopPlacing() override;
    bool TakeConfirmed(float& x, float& y) override;
    int PlacementStatus() const override;

private:
    MapOverlay& overlay;
};

} // namespace Vorn
