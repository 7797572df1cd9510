// The turret choice, for a tower or for a tank: a back button, then the seventeen turrets. Turrets too
// heavy for the carrier are disabled by the panel.
#pragma once

#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

class TurretToolbar : public Toolbar {
public:
    static constexpr int backButton = 0;
    static constexpr int buttonCount = 1 + turretTypeCount;

    TurretToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // Button k (1-17) offers turret type k - 1.
    static TurretType TypeOf(int index) { return static_cast<TurretType>(index - 1); }
    // What the carrier can still take, for the tooltip of a disabled turret.
    void SetLoadLeft(int load) { loadLeft = load; }

private:
    int loadLeft = 0;
};

} // namespace Vorn::MainPanel
