// The armour choice of a new tank order.
#include "interface/MainPanel/ArmorToolbar.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"
#include "rules/CarrierLoad.h"
#include "rules/TypeCatalogue.h"
#include "world/ProductCatalogue.h"

#include <cstdio>

namespace Vorn::MainPanel {

ArmorToolbar::ArmorToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    for (int k = 1; k < buttonCount; ++k)
        AddButton(IconTexture(TypeNameOf(TypeOf(k))));
}

void ArmorToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == backButton)
        return;
    DrawTexts(index, Text(TypeNameOf(TypeOf(index)) + "_short"), PriceText(FactsOf(TypeOf(index)).price),
              true);
}

std::string ArmorToolbar::Tooltip(int index) const {
    if (index == backButton)
        return Text("tip_back");
    std::string tip = ProductTip(Text(TypeNameOf(TypeOf(index)) + "_short"), FactsOf(TypeOf(index)));
    if (!IsEnabled(index)) {
        char reason[96];
        std::snprintf(reason, sizeof reason, " - %s %d > %d", Text("tip_too_heavy").c_str(),
                      WeightOf(TypeOf(index)), loadLeft);
        tip += reason;
    }
    return tip;
}

} // namespace Vorn::MainPanel
