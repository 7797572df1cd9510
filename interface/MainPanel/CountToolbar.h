// How many tanks of the chosen design to order: back, then 1, 2, 3, 5, 10, 20, 50, 100 or 1000.
#pragma once

#include "interface/Toolbar.h"

namespace Vorn::MainPanel {

class CountToolbar : public Toolbar {
public:
    static constexpr int backButton = 0;
    static constexpr int buttonCount = 10;

    CountToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // The number of orders button k (1-9) appends.
    static unsigned CountOf(int index);
    // What one tank of the chosen design costs, for the tooltips.
    void SetTankPrice(int price) { tankPrice = price; }

private:
    int tankPrice = 0;
};

} // namespace Vorn::MainPanel
