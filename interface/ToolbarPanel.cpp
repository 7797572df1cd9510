// The main panel's controller.
#include "interface/ToolbarPanel.h"

#include "graphics/FontStore.h"
#include "interface/BuildInfoPanel.h"
#include "interface/MessageLine.h"
#include "interface/OrderIssuer.h"
#include "interface/OverlayNames.h"
#include "interface/PanelOverlay.h"
#include "rules/CarrierLoad.h"
#include "rules/ConstantsTable.h"
#include "rules/PlaceableData.h"
#include "rules/TypeCatalogue.h"
#include "world/Armory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/TankFactory.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace Vorn {

namespace {

using namespace MainPanel;

template <class Type> const Constants::PlaceableData* PlaceableOf(Type type) {
    return Constants::constantsTable.Find<Constants::PlaceableData>(ConstantIdOf(type));
}

// Takes every pending click of the button and answers whether there was any: one update acts once per
// button however often it was clicked since the last.
bool Clicked(Toolbar& toolbar, int index) {
    return toolbar.TakeClicks(index) > 0;
}

template <class T>
OrderView ViewOf(const IBuildProgress<T>& slot, const std::string& product, const std::string& name) {
    OrderView view;
    view.shown = true;
    view.product = product;
    view.name = name;
    view.progress = slot.Progress();
    view.complete = slot.IsComplete();
    view.price = slot.price;
    view.paid = slot.paid;
    view.buildTimeMs = slot.buildTime;
    return view;
}

// A tower order is the tower and its turret, paid side by side.
OrderView TowerView(Defence& defence) {
    auto& tower = defence.TowerSlot();
    auto& turret = defence.TurretSlot();
    OrderView view;
    view.shown = true;
    view.product = TypeNameOf(tower.type);
    view.name = Text(TypeNameOf(tower.type) + "_short") + " + " + Text(TypeNameOf(turret.type) + "_short");
    const long long time = static_cast<long long>(tower.buildTime) + turret.buildTime;
    view.progress = time <= 0 ? 1.0f
                              : static_cast<float>(static_cast<double>(tower.elapsed + turret.elapsed) /
                                                   static_cast<double>(time));
    view.complete = tower.IsComplete() && turret.IsComplete();
    view.price = tower.price + turret.price;
    view.paid = tower.paid + turret.paid;
    view.buildTimeMs = static_cast<int>(time);
    return view;
}

bool IsTowerState(int state) {
    return state >= 100 && state < 100 * (towerTypeCount + 1);
}

} // namespace

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
      overlay(overlay), messages(messages), orders(orders), layout(layout) {}

Building* ToolbarPanel::FirstSelectedBuilding() const {
    for (Object* object : overlay.Selection())
        if (auto* building = dynamic_cast<Building*>(object))
            return building;
    return nullptr;
}

void ToolbarPanel::Update(unsigned elapsedMs, const PanelPointer& pointer) {
    this->pointer = pointer;
    Building* building = FirstSelectedBuilding();
    // A product being placed belongs to the building that made it; once that building is gone or no
    // longer the one shown, nobody could receive the placed object.
    if (placingFor && (building == nullptr || !placingFor.Is(building)))
        StopPlacing();
    // Until the building's last order is applied the panel shows it as it was, so that no click orders
    // twice from a state the order is about to change.
    if (building != nullptr && shown != nullptr && shown->Subject() == building &&
        orders.Waits(building->Serial())) {
        UpdateShown(elapsedMs, pointer);
        return;
    }
    shown = nullptr;
    order = OrderView{};
    if (auto* hq = dynamic_cast<HQ*>(building))
        UpdateHq(*hq);
    else if (auto* defence = dynamic_cast<Defence*>(building))
        UpdateDefence(*defence);
    else if (auto* factory = dynamic_cast<TankFactory*>(building))
        UpdateFactory(*factory);
    else if (auto* armory = dynamic_cast<Armory*>(building))
        UpdateArmory(*armory);
    ReportPlacement();
    UpdateShown(elapsedMs, pointer);
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

void ToolbarPanel::Show(Toolbar& toolbar, Building& building) {
    shown = &toolbar;
    toolbar.SetSubject(&building);
}

// --- Headquarters and outposts.

void ToolbarPanel::UpdateHq(HQ& hq) {
    auto& slot = hq.Slot();
    if (slot.active) {
        if (Clicked(placeToolbar, PlaceToolbar::cancelButton)) {
            orders.Issue(CancelOrderCommand(hq.Serial(), ProductFamily::Building));
            StopPlacing();
        } else if (Clicked(placeToolbar, PlaceToolbar::placeButton) && slot.IsComplete()) {
            const auto* rules = PlaceableOf(slot.type);
            if (rules != nullptr)
                StartPlacing(hq, rules->maxBaseDistance, rules->minEnemyDistance, rules->size,
                             rules->areaMustBeSecured, slot.type == BuildingType::Mine ? 0 : -1);
        }
        PlaceHqOrder(hq);
    } else {
        StartHqOrder(hq);
    }
    if (slot.active) {
        ShowOrder(hq, ViewOf(slot, TypeNameOf(slot.type), Text(TextKeyOf(slot.type))));
    } else {
        Show(hqToolbar, hq);
    }
}

void ToolbarPanel::PlaceHqOrder(HQ& hq) {
    float x = 0;
    float y = 0;
    if (!hq.Slot().active || !TakePlacement(hq, x, y))
        return;
    orders.Issue(PlaceCommand(hq.Serial(), ProductFamily::Building, x, y));
}

void ToolbarPanel::StartHqOrder(HQ& hq) {
    for (int i = 0; i < HqToolbar::buttonCount; ++i) {
        if (Clicked(hqToolbar, i)) {
            orders.Issue(BuildCommand(hq.Serial(), HqToolbar::TypeOf(i)));
            placeToolbar.SetEnabled(PlaceToolbar::placeButton, false);
            return;
        }
    }
}

// --- Defence buildings.

void ToolbarPanel::UpdateDefence(Defence& defence) {
    int& state = defence.defenceState;
    if (state == 0)
        DefenceChoice(defence);
    else if (state >= 1 && state <= towerTypeCount)
        TowerTurretChoice(defence);
    else if ((state >= 4 && state <= 7) || IsTowerState(state))
        DefenceOrder(defence);
    // The logic may have moved the state on: show what it is now.
    if (state == 0) {
        Show(defencesToolbar, defence);
    } else if (state >= 1 && state <= towerTypeCount) {
        for (int k = 1; k < TurretToolbar::buttonCount; ++k)
            towerTurretToolbar.SetEnabled(k,
                                          Fits(static_cast<TowerType>(state - 1), TurretToolbar::TypeOf(k)));
        towerTurretToolbar.SetLoadLeft(MaxLoadOf(static_cast<TowerType>(state - 1)));
        Show(towerTurretToolbar, defence);
    } else if (state == 4 || state == 5) {
        auto& slot = defence.LandmineSlot();
        ShowOrder(defence, ViewOf(slot, TypeNameOf(slot.type), Text(state == 4 ? "SmallMine" : "LargeMine")));
    } else if (state == 6 || state == 7) {
        auto& slot = defence.ObstacleSlot();
        ShowOrder(defence, ViewOf(slot, TypeNameOf(slot.type), Text(TypeNameOf(slot.type))));
    } else if (IsTowerState(state)) {
        ShowOrder(defence, TowerView(defence));
    }
}

void ToolbarPanel::DefenceChoice(Defence& defence) {
    for (int i = 0; i < DefencesToolbar::buttonCount; ++i) {
        if (!Clicked(defencesToolbar, i))
            continue;
        if (i >= DefencesToolbar::firstObstacle)
            orders.Issue(BuildCommand(defence.Serial(), static_cast<ObstacleType>(i - 4)));
        else if (i >= DefencesToolbar::firstLandmine)
            orders.Issue(BuildCommand(defence.Serial(),
                                      static_cast<LandmineType>(i - DefencesToolbar::firstLandmine)));
        defence.defenceState = i + 1;
        return;
    }
}

void ToolbarPanel::TowerTurretChoice(Defence& defence) {
    int& state = defence.defenceState;
    if (Clicked(towerTurretToolbar, TurretToolbar::backButton)) {
        state = 0;
        return;
    }
    const auto tower = static_cast<TowerType>(state - 1);
    for (int k = 1; k < TurretToolbar::buttonCount; ++k) {
        // Checked again here: the click was counted before the last tick.
        if (!Clicked(towerTurretToolbar, k) || !Fits(tower, TurretToolbar::TypeOf(k)))
            continue;
        orders.Issue(BuildCommand(defence.Serial(), tower, TurretToolbar::TypeOf(k)));
        state = 100 * state + k - 1;
        return;
    }
}

void ToolbarPanel::DefenceOrder(Defence& defence) {
    int& state = defence.defenceState;
    const bool tower = IsTowerState(state);
    const bool landmine = state == 4 || state == 5;
    const bool running = tower      ? defence.TowerSlot().active
                         : landmine ? defence.LandmineSlot().active
                                    : defence.ObstacleSlot().active;
    // An order that no longer runs (its slot was emptied elsewhere) leaves nothing to place.
    if (!running) {
        state /= 100;
        StopPlacing();
        return;
    }
    if (Clicked(placeToolbar, PlaceToolbar::cancelButton)) {
        const ProductFamily family = tower      ? ProductFamily::Tower
                                     : landmine ? ProductFamily::Landmine
                                                : ProductFamily::Obstacle;
        orders.Issue(CancelOrderCommand(defence.Serial(), family));
        state /= 100;
        StopPlacing();
        return;
    }
    const bool complete = tower      ? defence.TowerSlot().IsComplete() && defence.TurretSlot().IsComplete()
                          : landmine ? defence.LandmineSlot().IsComplete()
                                     : defence.ObstacleSlot().IsComplete();
    if (Clicked(placeToolbar, PlaceToolbar::placeButton) && complete) {
        const Constants::PlaceableData* rules = tower      ? PlaceableOf(defence.TowerSlot().type)
                                                : landmine ? PlaceableOf(defence.LandmineSlot().type)
                                                           : PlaceableOf(defence.ObstacleSlot().type);
        if (rules != nullptr)
            StartPlacing(defence, rules->maxBaseDistance, rules->minEnemyDistance, rules->size,
                         rules->areaMustBeSecured, -1);
    }
    if (complete)
        PlaceDefenceOrder(defence);
}

void ToolbarPanel::PlaceDefenceOrder(Defence& defence) {
    float x = 0;
    float y = 0;
    if (!TakePlacement(defence, x, y))
        return;
    int& state = defence.defenceState;
    const ProductFamily family = state == 4 || state == 5   ? ProductFamily::Landmine
                                 : state == 6 || state == 7 ? ProductFamily::Obstacle
                                                            : ProductFamily::Tower;
    orders.Issue(PlaceCommand(defence.Serial(), family, x, y));
    state = 0;
}

// --- Tank factories.

void ToolbarPanel::UpdateFactory(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    if (panel.step == FactoryPanelStep::Queue)
        FactoryClicks(factory);
    else
        DesignClicks(factory);
    EnableDesignButtons(factory);
    // In the order of the steps.
    Toolbar* byStep[] = {&factoryToolbar, &groupsToolbar,     &chasisToolbar,
                         &armorToolbar,   &tankTurretToolbar, &countToolbar};
    const auto step = static_cast<std::size_t>(panel.step);
    Show(*byStep[step < std::size(byStep) ? step : 0], factory);
}

void ToolbarPanel::FactoryClicks(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    if (Clicked(factoryToolbar, FactoryToolbar::newTankButton)) {
        panel.step = FactoryPanelStep::Chassis;
    } else if (Clicked(factoryToolbar, FactoryToolbar::setGroupButton)) {
        panel.step = FactoryPanelStep::Group;
    } else if (Clicked(factoryToolbar, FactoryToolbar::cancelButton)) {
        orders.Issue(CancelOrderCommand(factory.Serial(), ProductFamily::Tank));
    } else if (Clicked(factoryToolbar, FactoryToolbar::emptyButton)) {
        orders.Issue(EmptyQueueCommand(factory.Serial()));
    }
}

void ToolbarPanel::DesignClicks(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    const auto chassis = static_cast<TankType>(panel.chassis);
    const auto armor = static_cast<ArmorType>(panel.armor);
    switch (panel.step) {
    case FactoryPanelStep::Group:
        if (Clicked(groupsToolbar, GroupsToolbar::backButton)) {
            panel.step = FactoryPanelStep::Queue;
        } else if (Clicked(groupsToolbar, GroupsToolbar::unassignedButton)) {
            panel.groupLetter = 0;
            panel.step = FactoryPanelStep::Queue;
        } else {
            for (int i = 2; i < GroupsToolbar::buttonCount; ++i)
                if (Clicked(groupsToolbar, i)) {
                    panel.groupLetter = GroupsToolbar::LetterOf(i);
                    panel.step = FactoryPanelStep::Queue;
                    break;
                }
        }
        return;
    case FactoryPanelStep::Chassis:
        if (Clicked(chasisToolbar, ChasisToolbar::backButton)) {
            panel.step = FactoryPanelStep::Queue;
            return;
        }
        for (int k = 1; k < ChasisToolbar::buttonCount; ++k)
            if (Clicked(chasisToolbar, k)) {
                panel.chassis = k - 1;
                panel.step = FactoryPanelStep::Armor;
                return;
            }
        return;
    case FactoryPanelStep::Armor:
        if (Clicked(armorToolbar, ArmorToolbar::backButton)) {
            panel.step = FactoryPanelStep::Chassis;
            return;
        }
        for (int k = 1; k < ArmorToolbar::buttonCount; ++k)
            if (Clicked(armorToolbar, k) && Fits(chassis, ArmorToolbar::TypeOf(k))) {
                panel.armor = k - 1;
                panel.step = FactoryPanelStep::Turret;
                return;
            }
        return;
    case FactoryPanelStep::Turret:
        if (Clicked(tankTurretToolbar, TurretToolbar::backButton)) {
            panel.step = FactoryPanelStep::Armor;
            return;
        }
        for (int k = 1; k < TurretToolbar::buttonCount; ++k)
            if (Clicked(tankTurretToolbar, k) && Fits(chassis, armor, TurretToolbar::TypeOf(k))) {
                panel.turret = k - 1;
                panel.step = FactoryPanelStep::Count;
                return;
            }
        return;
    case FactoryPanelStep::Count:
        if (Clicked(countToolbar, CountToolbar::backButton)) {
            panel.step = FactoryPanelStep::Turret;
            return;
        }
        for (int k = 1; k < CountToolbar::buttonCount; ++k)
            if (Clicked(countToolbar, k)) {
                const TankOrder design{chassis, static_cast<TurretType>(panel.turret), armor,
                                       panel.groupLetter};
                orders.Issue(OrderTanksCommand(factory.Serial(), design, CountToolbar::CountOf(k)));
                panel.step = FactoryPanelStep::Queue;
                return;
            }
        return;
    case FactoryPanelStep::Queue:
        return;
    }
}

// Worked out for the factory shown every update, so that switching between two factories never shows the
// other's choices and an overloaded design cannot be ordered.
void ToolbarPanel::EnableDesignButtons(const TankFactory& factory) {
    const FactoryPanelState& panel = factory.panelState;
    const auto chassis = static_cast<TankType>(panel.chassis);
    const auto armor = static_cast<ArmorType>(panel.armor);
    factoryToolbar.SetEnabled(FactoryToolbar::cancelButton, !factory.Orders().empty());
    factoryToolbar.SetEnabled(FactoryToolbar::emptyButton, factory.Orders().size() > 1);
    for (int k = 1; k < ArmorToolbar::buttonCount; ++k)
        armorToolbar.SetEnabled(k, Fits(chassis, ArmorToolbar::TypeOf(k)));
    armorToolbar.SetLoadLeft(MaxLoadOf(chassis));
    for (int k = 1; k < TurretToolbar::buttonCount; ++k)
        tankTurretToolbar.SetEnabled(k, Fits(chassis, armor, TurretToolbar::TypeOf(k)));
    tankTurretToolbar.SetLoadLeft(MaxLoadOf(chassis) - WeightOf(armor));
    const int price =
        FactsOf(chassis).price + FactsOf(armor).price + FactsOf(static_cast<TurretType>(panel.turret)).price;
    countToolbar.SetTankPrice(price);
}

// --- Armories.

void ToolbarPanel::UpdateArmory(Armory& armory) {
    for (int i = 0; i < ArmoryToolbar::buttonCount; ++i) {
        const BulletType kind = ArmoryToolbar::KindOf(i);
        // Every click flips the line once.
        if (armoryToolbar.TakeClicks(i) % 2 == 1)
            orders.Issue(ArmoryLineCommand(armory.Serial(), kind, !armory.IsProducing(kind)));
    }
    Show(armoryToolbar, armory);
}

// --- Placing.

void ToolbarPanel::ShowOrder(Building& building, const OrderView& view) {
    order = view;
    placeToolbar.ShowOrder(view.product, view.name, view.progress, view.complete, view.price - view.paid,
                           view.buildTimeMs);
    placeToolbar.SetEnabled(PlaceToolbar::placeButton, view.complete);
    Show(placeToolbar, building);
}

bool ToolbarPanel::StartPlacing(Building& building, float maxBaseDistance, float minEnemyDistance, float size,
                                bool areaMustBeSecured, int depositRequirement) {
    overlay.StartPlacement(maxBaseDistance, minEnemyDistance, size, areaMustBeSecured, depositRequirement);
    placingFor = ObjectRef(&building);
    lastPlacementStatus = placementJustStarted;
    return true;
}

bool ToolbarPanel::TakePlacement(Building& building, float& x, float& y) {
    if (!placingFor.Is(&building))
        return false;
    if (!overlay.TakeConfirmed(x, y))
        return false;
    placingFor.Reset();
    return true;
}

void ToolbarPanel::StopPlacing() {
    if (!placingFor)
        return;
    overlay.StopPlacing();
    float x = 0;
    float y = 0;
    // A put-down that the panel did not take in time belongs to nobody now.
    overlay.TakeConfirmed(x, y);
    placingFor.Reset();
}

void ToolbarPanel::ReportPlacement() {
    if (!placingFor || !overlay.Placing()) {
        lastPlacementStatus = -1;
        return;
    }
    // The overlay judges the place in its next update; until then its status says nothing.
    if (lastPlacementStatus == placementJustStarted) {
        lastPlacementStatus = -1;
        return;
    }
    const int status = overlay.PlacementStatus();
    const auto& reasons = OverlayNames::refusalTexts;
    if (status != lastPlacementStatus && status > 0 && status <= static_cast<int>(reasons.size()))
        messages.Post(Text("msg_cannot_place") + ": " +
                      Text(std::string(reasons[static_cast<std::size_t>(status - 1)])));
    lastPlacementStatus = status;
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
