// The turret choice for a tower or a tank.
#include "interface/MainPanel/TurretToolbar.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"
#include "rules/CarrierLoad.h"
#include "rules/TypeCatalogue.h"
#include "world/ProductCatalogue.h"

#include <cstdio>

namespace Vorn::MainPanel {

TurretToolbar::TurretToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    for (int k = 1; k < buttonCount; ++k)
        AddButton(IconTexture(TypeNameOf(TypeOf(k))));
}

void TurretToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == backButton)
        return;
    const std::string name = TypeNameOf(TypeOf(index));
    DrawTexts(index, Text(name + "_short"), PriceText(FactsOf(TypeOf(index)).price), true);
}

std::string TurretToolbar::Tooltip(int index) const {
    if (index == backButton)
        return Text("tip_back");
    const ProductFacts facts = FactsOf(TypeOf(index));
    std::string tip = ProductTip(Text(TypeNameOf(TypeOf(index)) + "_short"), facts);
    if (!IsEnabled(index)) {
        char reason[96];
        std::snprintf(reason, sizeof reason, " - %s %d > %d", Text("tip_too_heavy").c_str(),
                      WeightOf(TypeOf(index)), loadLeft);
        return tip + reason;
    }
    return tip + WaitingReason(subject, facts.price);
}

} // namespace Vorn::MainPanel
