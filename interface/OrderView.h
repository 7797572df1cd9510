// The placeable order the main panel shows, as the place toolbar and the build info panel describe it.
#pragma once

#include <string>

namespace Vorn {

struct OrderView {
    // False while no placeable order is shown.
    bool shown = false;
    // The product's drawing name, for its icon.
    std::string product;
    // What the player reads: the product's name (a tower with its turret).
    std::string name;
    float progress = 0;
    bool complete = false;
    int price = 0;
    int paid = 0;
    int buildTimeMs = 0;
};

} // namespace Vorn
