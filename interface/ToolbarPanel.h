// The main panel's controller: shows the toolbar of the first selected building in the state that
// building's panel was left in, turns the clicks its toolbars counted into commands for the building, hands
// finished products to the map overlay for placing and orders what the player places to be placed.
#pragma once

#include "interface/MainPanel/ArmorToolbar.h"
#include "interface/MainPanel/ArmoryToolbar.h"
#include "interface/MainPanel/ChasisToolbar.h"
#include "interface/MainPanel/CountToolbar.h"
#include "interface/MainPanel/DefencesToolbar.h"
#include "interface/MainPanel/FactoryToolbar.h"
#include "interface/MainPanel/GroupsToolbar.h"
#include "interface/MainPanel/HqToolbar.h"
#include "interface/MainPanel/PlaceToolbar.h"
#include "interface/MainPanel/TurretToolbar.h"
#include "interface/OrderView.h"
#include "interface/PanelLayout.h"
#include "interface/PanelPointer.h"
#include "world/ObjectRef.h"

namespace Vorn {

class Armory;
class BuildInfoPanel;
class Building;
class Defence;
class HQ;
class MessageLine;
class OrderIssuer;
class PanelOverlay;
class TankFactory;
class World;

class ToolbarPanel {
public:
    // A defence building's state above this shows nothing.
    static constexpr int defenceStateLimit = 1000;

    // The panel's orders go out through `orders` as commands for the battle's next step.
    ToolbarPanel(World& world, PanelOverlay& overlay, MessageLine& messages, OrderIssuer& orders,
                 const PanelLayout& layout);

    // The per-building logic for the first selected building, then the hover and scrolling of the
    // toolbars concerned.
    void Update(unsigned elapsedMs, const PanelPointer& pointer);
    // Lowers the build info panel, draws the toolbar shown and raises the build info panel when that is
    // the place toolbar. Needs a GL context.
    void Draw(BuildInfoPanel& buildInfo) const;
    // The hovered button's tooltip on a dark box just above the panel, by the pointer; drawn after
    // everything else of the interface so that nothing covers it. Needs a GL context.
    void DrawTooltip() const;
    // Screen coordinates with y up; a non-zero refuse (the mouse button) takes nothing. Clicks on a
    // defence building's or a factory's toolbars are counted but answered false.
    bool Click(int x, int y, int refuse);

    // The toolbar the last update chose, or null.
    Toolbar* Shown() const { return shown; }
    // The hovered button's tooltip of the toolbar shown, or empty.
    std::string Tooltip() const;
    // The placeable order the place toolbar shows.
    const OrderView& Order() const { return order; }

    MainPanel::HqToolbar hqToolbar;
    MainPanel::PlaceToolbar placeToolbar;
    MainPanel::DefencesToolbar defencesToolbar;
    MainPanel::TurretToolbar towerTurretToolbar;
    MainPanel::ArmoryToolbar armoryToolbar;
    MainPanel::FactoryToolbar factoryToolbar;
    MainPanel::GroupsToolbar groupsToolbar;
    MainPanel::ChasisToolbar chasisToolbar;
    MainPanel::ArmorToolbar armorToolbar;
    MainPanel::TurretToolbar tankTurretToolbar;
    MainPanel::CountToolbar countToolbar;

private:
    Building* FirstSelectedBuilding() const;
    void UpdateHq(HQ& hq);
    void PlaceHqOrder(HQ& hq);
    void StartHqOrder(HQ& hq);
    void UpdateDefence(Defence& defence);
    void DefenceChoice(Defence& defence);
    void TowerTurretChoice(Defence& defence);
    void DefenceOrder(Defence& defence);
    void PlaceDefenceOrder(Defence& defence);
    void UpdateFactory(TankFactory& factory);
    void FactoryClicks(TankFactory& factory);
    void DesignClicks(TankFactory& factory);
    void EnableDesignButtons(const TankFactory& factory);
    void UpdateArmory(Armory& armory);

    // The place toolbar's buttons for an order: cancel always, place once complete.
    void ShowOrder(Building& building, const OrderView& view);
    bool StartPlacing(Building& building, float maxBaseDistance, float minEnemyDistance, float size,
                      bool areaMustBeSecured, int depositRequirement);
    // Whether this building's product was put down; the point is where.
    bool TakePlacement(Building& building, float& x, float& y);
    void StopPlacing();
    void ReportPlacement();
    void Show(Toolbar& toolbar, Building& building);
    void UpdateShown(unsigned elapsedMs, const PanelPointer& pointer);

    World& world;
    PanelOverlay& overlay;
    MessageLine& messages;
    OrderIssuer& orders;
    PanelLayout layout;
    Toolbar* shown = nullptr;
    OrderView order;
    PanelPointer pointer;
    // The building whose product the overlay is placing, so that no other building takes it.
    ObjectRef placingFor;
    static constexpr int placementJustStarted = -2;
    int lastPlacementStatus = 0;
};

} // namespace Vorn
