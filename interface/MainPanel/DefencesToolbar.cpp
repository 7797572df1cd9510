// The defence building's strip.
#include "interface/MainPanel/DefencesToolbar.h"

#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"
#include "rules/TypeCatalogue.h"

namespace Vorn::MainPanel {

namespace {
const char* const defenceLabels[DefencesToolbar::buttonCount] = {
    "SurveilanceTower_short", "SupportTower_short", "DefenseTower_short", "SmallMine", "LargeMine",
    "ConcreteBlock",          "AntitankBlock"};
} // namespace

DefencesToolbar::DefencesToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    for (int i = 0; i < buttonCount; ++i)
        AddButton(IconTexture(ProductOf(i)));
}

std::string DefencesToolbar::ProductOf(int index) {
    if (index < firstLandmine)
        return TypeNameOf(static_cast<TowerType>(index));
    if (index < firstObstacle)
        return TypeNameOf(static_cast<LandmineType>(index - firstLandmine));
    // Obstacle buttons skip the stone, which nobody builds.
    return TypeNameOf(static_cast<ObstacleType>(index - 4));
}

ProductFacts DefencesToolbar::FactsOfButton(int index) {
    if (index < firstLandmine)
        return FactsOf(static_cast<TowerType>(index));
    if (index < firstObstacle)
        return FactsOf(static_cast<LandmineType>(index - firstLandmine));
    return FactsOf(static_cast<ObstacleType>(index - 4));
}

void DefencesToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    DrawTexts(index, Text(defenceLabels[index]), PriceText(FactsOfButton(index).price), false);
}

std::string DefencesToolbar::Tooltip(int index) const {
    const ProductFacts facts = FactsOfButton(index);
    std::string tip = ProductTip(Text(defenceLabels[index]), facts);
    if (index < firstLandmine)
        tip += " + " + Text("tip_turret");
    return tip + WaitingReason(subject, facts.price);
}

} // namespace Vorn::MainPanel
