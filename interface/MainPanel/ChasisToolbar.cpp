// The chassis choice of a new tank order.
#include "interface/MainPanel/ChasisToolbar.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"
#include "rules/CarrierLoad.h"
#include "rules/TypeCatalogue.h"
#include "world/ProductCatalogue.h"

#include <cstdio>

namespace Vorn::MainPanel {

ChasisToolbar::ChasisToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    for (int k = 1; k < buttonCount; ++k)
        AddButton(IconTexture(TypeNameOf(TypeOf(k))));
}

void ChasisToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == backButton)
        return;
    DrawTexts(index, Text(TypeNameOf(TypeOf(index)) + "_short"), PriceText(FactsOf(TypeOf(index)).price),
              true);
}

std::string ChasisToolbar::Tooltip(int index) const {
    if (index == backButton)
        return Text("tip_back");
    char load[64];
    std::snprintf(load, sizeof load, ", %s %d", Text("tip_load").c_str(), MaxLoadOf(TypeOf(index)));
    return ProductTip(Text(TypeNameOf(TypeOf(index)) + "_short"), FactsOf(TypeOf(index))) + load;
}

} // namespace Vorn::MainPanel
