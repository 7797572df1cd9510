// The headquarters' strip: one button for each building type it can raise, Outpost to Recycler.
#pragma once

#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

class HqToolbar : public Toolbar {
public:
    static constexpr int buttonCount = 8;

    HqToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // Button i orders the building type i + 1.
    static BuildingType TypeOf(int index) { return static_cast<BuildingType>(index + 1); }
};

} // namespace Vorn::MainPanel
