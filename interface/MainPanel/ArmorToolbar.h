// The armour choice of a new tank order: back, then the four armours. Armours too heavy for the chosen
// chassis are disabled by the panel.
#pragma once

#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

class ArmorToolbar : public Toolbar {
public:
    static constexpr int backButton = 0;
    static constexpr int buttonCount = 1 + armorTypeCount;

    ArmorToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    static ArmorType TypeOf(int index) { return static_cast<ArmorType>(index - 1); }
    // What the chosen chassis can carry, for the tooltip of a disabled armour.
    void SetLoadLeft(int load) { loadLeft = load; }

private:
    int loadLeft = 0;
};

} // namespace Vorn::MainPanel
