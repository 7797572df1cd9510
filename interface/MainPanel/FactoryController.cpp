// A tank factory's queue and the steps of a tank order.
#include "interface/MainPanel/FactoryController.h"

#include "interface/MainPanel/ArmorToolbar.h"
#include "interface/MainPanel/ChasisToolbar.h"
#include "interface/MainPanel/CountToolbar.h"
#include "interface/MainPanel/FactoryToolbar.h"
#include "interface/MainPanel/GroupsToolbar.h"
#include "interface/MainPanel/TurretToolbar.h"
#include "interface/OrderIssuer.h"
#include "rules/CarrierLoad.h"
#include "world/ProductCatalogue.h"
#include "world/TankFactory.h"

namespace Vorn::MainPanel {

FactoryController::FactoryController(const FactoryToolbars& toolbars, OrderIssuer& orders)
    : toolbars(toolbars), orders(orders) {}

PanelView FactoryController::Update(TankFactory& factory) {
    if (factory.panelState.step == FactoryPanelStep::Queue)
        QueueClicks(factory);
    else
        DesignClicks(factory);
    EnableDesignButtons(factory);
    return {&StepToolbar(factory), {}};
}

Toolbar& FactoryController::StepToolbar(const TankFactory& factory) const {
    switch (factory.panelState.step) {
    case FactoryPanelStep::Group:
        return toolbars.groups;
    case FactoryPanelStep::Chassis:
        return toolbars.chassis;
    case FactoryPanelStep::Armor:
        return toolbars.armor;
    case FactoryPanelStep::Turret:
        return toolbars.turret;
    case FactoryPanelStep::Count:
        return toolbars.count;
    case FactoryPanelStep::Queue:
        break;
    }
    return toolbars.queue;
}

void FactoryController::QueueClicks(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    if (Clicked(toolbars.queue, FactoryToolbar::newTankButton)) {
        panel.step = FactoryPanelStep::Chassis;
    } else if (Clicked(toolbars.queue, FactoryToolbar::setGroupButton)) {
        panel.step = FactoryPanelStep::Group;
    } else if (Clicked(toolbars.queue, FactoryToolbar::cancelButton)) {
        orders.Issue(CancelOrderCommand(factory.Serial(), ProductFamily::Tank));
    } else if (Clicked(toolbars.queue, FactoryToolbar::emptyButton)) {
        orders.Issue(EmptyQueueCommand(factory.Serial()));
    }
}

void FactoryController::GroupClicks(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    if (Clicked(toolbars.groups, GroupsToolbar::backButton)) {
        panel.step = FactoryPanelStep::Queue;
    } else if (Clicked(toolbars.groups, GroupsToolbar::unassignedButton)) {
        panel.groupLetter = 0;
        panel.step = FactoryPanelStep::Queue;
    } else {
        for (int i = 2; i < GroupsToolbar::buttonCount; ++i)
            if (Clicked(toolbars.groups, i)) {
                panel.groupLetter = GroupsToolbar::LetterOf(i);
                panel.step = FactoryPanelStep::Queue;
                break;
            }
    }
}

void FactoryController::DesignClicks(TankFactory& factory) {
    FactoryPanelState& panel = factory.panelState;
    const auto chassis = static_cast<TankType>(panel.chassis);
    const auto armor = static_cast<ArmorType>(panel.armor);
    switch (panel.step) {
    case FactoryPanelStep::Group:
        GroupClicks(factory);
        return;
    case FactoryPanelStep::Chassis:
        if (Clicked(toolbars.chassis, ChasisToolbar::backButton)) {
            panel.step = FactoryPanelStep::Queue;
            return;
        }
        for (int k = 1; k < ChasisToolbar::buttonCount; ++k)
            if (Clicked(toolbars.chassis, k)) {
                panel.chassis = k - 1;
                panel.step = FactoryPanelStep::Armor;
                return;
            }
        return;
    case FactoryPanelStep::Armor:
        if (Clicked(toolbars.armor, ArmorToolbar::backButton)) {
            panel.step = FactoryPanelStep::Chassis;
            return;
        }
        for (int k = 1; k < ArmorToolbar::buttonCount; ++k)
            if (Clicked(toolbars.armor, k) && Fits(chassis, ArmorToolbar::TypeOf(k))) {
                panel.armor = k - 1;
                panel.step = FactoryPanelStep::Turret;
                return;
            }
        return;
    case FactoryPanelStep::Turret:
        if (Clicked(toolbars.turret, TurretToolbar::backButton)) {
            panel.step = FactoryPanelStep::Armor;
            return;
        }
        for (int k = 1; k < TurretToolbar::buttonCount; ++k)
            if (Clicked(toolbars.turret, k) && Fits(chassis, armor, TurretToolbar::TypeOf(k))) {
                panel.turret = k - 1;
                panel.step = FactoryPanelStep::Count;
                return;
            }
        return;
    case FactoryPanelStep::Count:
        if (Clicked(toolbars.count, CountToolbar::backButton)) {
            panel.step = FactoryPanelStep::Turret;
            return;
        }
        for (int k = 1; k < CountToolbar::buttonCount; ++k)
            if (Clicked(toolbars.count, k)) {
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
void FactoryController::EnableDesignButtons(const TankFactory& factory) {
    const FactoryPanelState& panel = factory.panelState;
    const auto chassis = static_cast<TankType>(panel.chassis);
    const auto armor = static_cast<ArmorType>(panel.armor);
    toolbars.queue.SetEnabled(FactoryToolbar::cancelButton, !factory.Orders().empty());
    toolbars.queue.SetEnabled(FactoryToolbar::emptyButton, factory.Orders().size() > 1);
    for (int k = 1; k < ArmorToolbar::buttonCount; ++k)
        toolbars.armor.SetEnabled(k, Fits(chassis, ArmorToolbar::TypeOf(k)));
    toolbars.armor.SetLoadLeft(MaxLoadOf(chassis));
    for (int k = 1; k < TurretToolbar::buttonCount; ++k)
        toolbars.turret.SetEnabled(k, Fits(chassis, armor, TurretToolbar::TypeOf(k)));
    toolbars.turret.SetLoadLeft(MaxLoadOf(chassis) - WeightOf(armor));
    const int price =
        FactsOf(chassis).price + FactsOf(armor).price + FactsOf(static_cast<TurretType>(panel.turret)).price;
    toolbars.count.SetTankPrice(price);
}

} // namespace Vorn::MainPanel
