// The tooltip lines of the panel buttons: what a product is, what it costs and how long it takes, and why
// a button or an order cannot go ahead.
#pragma once

#include "world/ProductCatalogue.h"

#include <string>

namespace Vorn {
class Building;
}

namespace Vorn::MainPanel {

// "name: price P, build time S s".
std::string ProductTip(const std::string& name, const ProductFacts& facts);
// What keeps the building's production from running, appended to a product's tip: no power, or too
// little money for the price. Empty when neither holds or there is no building.
std::string WaitingReason(Building* building, int price);

} // namespace Vorn::MainPanel
