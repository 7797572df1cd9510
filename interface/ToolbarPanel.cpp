// The main panel: the controllers of the building kinds behind one toolbar area.
#include "interface/ToolbarPanel.h"

#include "graphics/FontStore.h"
#include "interface/BuildInfoPanel.h"
#include "interface/OrderIssuer.h"
#include "interface/PanelOverlay.h"
#include "world/Armory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/TankFactory.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

namespace Vorn {

using namespace MainPanel;

ToolbarPanel::ToolbarPanel(World& world, PanelOverlay& overlay, MessageLine& messages, OrderIssuer& orders,
                           const PanelLayout& layout)
    : hqToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      placeToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      defencesToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      towerTurretToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      armoryToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      factoryToolbar(layout.FactoryToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      groupsToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      chasisToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      armorToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      tankTurretToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()),
      countToolbar(layout.ToolbarWidth(), layout.ToolbarX(), layout.ToolbarY()), world(world),
      overlay(overlay), orders(orders), layout(layout), placing(overlay, messages),
      hqController(hqToolbar, placeToolbar, orders, placing),
      defenceController(defencesToolbar, towerTurretToolbar, placeToolbar, orders, placing),
      factoryController(
          {factoryToolbar, groupsToolbar, chasisToolbar, armorToolbar, tankTurretToolbar, countToolbar},
          orders),
      armoryController(armoryToolbar, orders) {}

Building* ToolbarPanel::FirstSelectedBuilding() const {
    for (Object* object : overlay.Selection())
        if (auto* building = dynamic_cast<Building*>(object))
            return building;
    return nullptr;
}

void ToolbarPanel::Update(unsigned elapsedMs, const PanelPointer& pointer) {
    this->pointer = pointer;
    Building* building = FirstSelectedBuilding();
    placing.StopUnlessFor(building);
    // Until the building's last order is applied the panel shows it as it was, so that no click orders
    // twice from a state the order is about to change.
    if (building != nullptr && shown != nullptr && shown->Subject() == building &&
        orders.Waits(building->Serial())) {
        UpdateShown(elapsedMs, pointer);
        return;
    }
    shown = nullptr;
    order = OrderView{};
    if (building != nullptr)
        Show(UpdateController(*building), *building);
    placing.Report();
    UpdateShown(elapsedMs, pointer);
}

PanelView ToolbarPanel::UpdateController(Building& building) {
    if (auto* hq = dynamic_cast<HQ*>(&building))
        return hqController.Update(*hq);
    if (auto* defence = dynamic_cast<Defence*>(&building))
        return defenceController.Update(*defence);
    if (auto* factory = dynamic_cast<TankFactory*>(&building))
        return factoryController.Update(*factory);
    if (auto* armory = dynamic_cast<Armory*>(&building))
        return armoryController.Update(*armory);
    return {};
}

void ToolbarPanel::UpdateShown(unsigned elapsedMs, const PanelPointer& pointer) {
    Toolbar* factoryToolbars[] = {&factoryToolbar, &groupsToolbar,     &chasisToolbar,
                                  &armorToolbar,   &tankTurretToolbar, &countToolbar};
    Toolbar* all[] = {&hqToolbar,     &placeToolbar,      &defencesToolbar, &towerTurretToolbar,
                      &armoryToolbar, &factoryToolbar,    &groupsToolbar,   &chasisToolbar,
                      &armorToolbar,  &tankTurretToolbar, &countToolbar};
    const bool factoryShown =
        shown != nullptr &&
        std::find(std::begin(factoryToolbars), std::end(factoryToolbars), shown) != std::end(factoryToolbars);
    for (Toolbar* toolbar : all) {
        // Clicks left on a toolbar now hidden would act later for whatever building shows it next.
        if (toolbar != shown)
            toolbar->DropClicks();
        const bool isFactoryToolbar = std::find(std::begin(factoryToolbars), std::end(factoryToolbars),
                                                toolbar) != std::end(factoryToolbars);
        if (toolbar == shown || (factoryShown && isFactoryToolbar))
            toolbar->Update(elapsedMs, pointer);
    }
}

void ToolbarPanel::Show(const PanelView& view, Building& building) {
    if (view.toolbar == nullptr)
        return;
    shown = view.toolbar;
    order = view.order;
    shown->SetSubject(&building);
}

// --- Drawing and clicks.

void ToolbarPanel::Draw(BuildInfoPanel& buildInfo) const {
    buildInfo.Lower();
    if (shown == nullptr)
        return;
    glPushMatrix();
    glTranslated(layout.DrawX(), layout.ToolbarY(), 0);
    shown->Draw();
    glPopMatrix();
    if (shown == &placeToolbar)
        buildInfo.Raise();
}

void ToolbarPanel::DrawTooltip() const {
    const std::string tip = Tooltip();
    if (tip.empty())
        return;
    const TextFont& font = fontStore.FindFont("info_text");
    // Glyph advances give the box its width, so the text never runs off its backing.
    const double width = font.Advance(tip.c_str());
    const double x = std::clamp(static_cast<double>(pointer.x) - width / 2, 4.0,
                                std::max(4.0, layout.screenWidth - width - 8));
    const double y = 81 + 8;
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 192);
    glRectd(x - 4, y - 4, x + width + 4, y + 18);
    font.DrawText(x, y, tip.c_str());
}

bool ToolbarPanel::Click(int x, int y, int refuse) {
    if (refuse != 0 || shown == nullptr)
        return false;
    const bool taken = shown->Click(x, y);
    const auto* subject = shown->Subject();
    if (dynamic_cast<const Defence*>(subject) != nullptr ||
        dynamic_cast<const TankFactory*>(subject) != nullptr)
        return false;
    return taken;
}

std::string ToolbarPanel::Tooltip() const {
    if (shown == nullptr)
        return {};
    const int index = shown->PointedButton();
    return index < 0 ? std::string() : shown->Tooltip(index);
}

} // namespace Vorn
