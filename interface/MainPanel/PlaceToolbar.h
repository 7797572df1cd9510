// The strip shown while a building, tower, landmine or obstacle is ordered: cancel it, or place it on the
// map once it is finished; until then the second button shows the progress.
#pragma once

#include "interface/Toolbar.h"

namespace Vorn::MainPanel {

class PlaceToolbar : public Toolbar {
public:
    static constexpr int cancelButton = 0;
    static constexpr int placeButton = 1;

    PlaceToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // What the order is and how far it has come; the panel sets it every update. The place button shows
    // the product's icon.
    void ShowOrder(const std::string& product, const std::string& productName, float progress, bool complete,
                   int price, int buildTimeMs);
    float Progress() const { return progress; }
    bool Complete() const { return complete; }

private:
    std::string product;
    std::string productName;
    float progress = 0;
    bool complete = false;
    int price = 0;
    int buildTimeMs = 0;
};

} // namespace Vorn::MainPanel
