// The defence building's strip: the three towers, the two landmines and the two obstacles.
#pragma once

#include "interface/Toolbar.h"
#include "world/ProductCatalogue.h"

namespace Vorn::MainPanel {

class DefencesToolbar : public Toolbar {
public:
    static constexpr int buttonCount = 7;
    static constexpr int firstLandmine = 3;
    static constexpr int firstObstacle = 5;

    DefencesToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // The drawing name and the catalogue answers of button index's product.
    static std::string ProductOf(int index);
    static ProductFacts FactsOfButton(int index);
};

} // namespace Vorn::MainPanel
