// The headquarters' strip.
#include "interface/MainPanel/HqToolbar.h"

#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"
#include "rules/TypeCatalogue.h"
#include "world/ProductCatalogue.h"

namespace Vorn::MainPanel {

namespace {
const char* const hqLabels[HqToolbar::buttonCount] = {"Outpost_short", "Defense_short", "Factory_short",
                                                    "Repair_short",  "Armory_short",  "Power_short",
                                                    "Mine_short",    "Recycler_short"};
}

HqToolbar::HqToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    for (int i = 0; i < buttonCount; ++i)
        AddButton(IconTexture(TypeNameOf(TypeOf(i))));
}

void HqToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    DrawTexts(index, Text(hqLabels[index]), PriceText(FactsOf(TypeOf(index)).price), false);
}

std::string HqToolbar::Tooltip(int index) const {
    const ProductFacts facts = FactsOf(TypeOf(index));
    return ProductTip(Text(TextKeyOf(TypeOf(index))), facts) + WaitingReason(subject, facts.price);
}

} // namespace Vorn::MainPanel
