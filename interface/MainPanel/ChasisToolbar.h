// The chassis choice of a new tank order: back, then the four chassis.
#pragma once

#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

class ChasisToolbar : public Toolbar {
public:
    static constexpr int backButton = 0;
    static constexpr int buttonCount = 1 + tankTypeCount;

    ChasisToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    static TankType TypeOf(int index) { return static_cast<TankType>(index - 1); }
};

} // namespace Vorn::MainPanel
