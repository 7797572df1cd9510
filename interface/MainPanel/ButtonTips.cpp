// The tooltip lines of the panel buttons.
#include "interface/MainPanel/ButtonTips.h"

#include "interface/Toolbar.h"
#include "world/Building.h"
#include "world/World.h"

#include <cstdio>

namespace Vorn::MainPanel {

std::string ProductTip(const std::string& name, const ProductFacts& facts) {
    char text[160];
    std::snprintf(text, sizeof text, "%s: %s, %.1f s", name.c_str(), PriceText(facts.price).c_str(),
                  static_cast<double>(facts.buildTime) * 0.001);
    return text;
}

std::string WaitingReason(Building* building, int price) {
    if (building == nullptr || building->world == nullptr)
        return {};
    if (!building->world->IsPowered(*building))
        return " - " + Text("tip_no_power");
    if (building->world->sides[building->side].money < price)
        return " - " + Text("tip_no_money");
    return {};
}

} // namespace Vorn::MainPanel
