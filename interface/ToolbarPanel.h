// The main panel: routes the first selected building to the controller of its kind (interface/MainPanel/
// *Controller.h), which turns the clicks its toolbars counted into commands and says what to show; the
// panel shows that toolbar, draws it and takes its clicks.
#pragma once

#include "interface/MainPanel/ArmorToolbar.h"
#include "interface/MainPanel/ArmoryController.h"
#include "interface/MainPanel/ArmoryToolbar.h"
#include "interface/MainPanel/ChasisToolbar.h"
#include "interface/MainPanel/CountToolbar.h"
#include "interface/MainPanel/DefenceController.h"
#include "interface/MainPanel/DefencesToolbar.h"
#include "interface/MainPanel/FactoryController.h"
#include "interface/MainPanel/FactoryToolbar.h"
#include "interface/MainPanel/GroupsToolbar.h"
#include "interface/MainPanel/HqController.h"
#include "interface/MainPanel/HqToolbar.h"
#include "interface/MainPanel/PlaceToolbar.h"
#include "interface/MainPanel/ProductPlacing.h"
#include "interface/MainPanel/TurretToolbar.h"
#include "interface/OrderView.h"
#include "interface/PanelLayout.h"
#include "interface/PanelPointer.h"

namespace Vorn {

class BuildInfoPanel;
class Building;
class MessageLine;
class OrderIssuer;
class PanelOverlay;
class World;

class ToolbarPanel {
public:
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
    // The controller of the building's kind acts and answers what to show; nothing for other kinds.
    MainPanel::PanelView UpdateController(Building& building);
    void Show(const MainPanel::PanelView& view, Building& building);
    void UpdateShown(unsigned elapsedMs, const PanelPointer& pointer);

    World& world;
    PanelOverlay& overlay;
    OrderIssuer& orders;
    PanelLayout layout;
    MainPanel::ProductPlacing placing;
    MainPanel::HqController hqController;
    MainPanel::DefenceController defenceController;
    MainPanel::FactoryController factoryController;
    MainPanel::ArmoryController armoryController;
    Toolbar* shown = nullptr;
    OrderView order;
    PanelPointer pointer;
};

} // namespace Vorn
