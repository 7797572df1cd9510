// A defence building's orders of towers with their turrets, landmines and obstacles.
#include "interface/MainPanel/DefenceController.h"

#include "interface/MainPanel/DefencesToolbar.h"
#include "interface/MainPanel/ProductPlacing.h"
#include "interface/MainPanel/TurretToolbar.h"
#include "interface/OrderIssuer.h"
#include "rules/CarrierLoad.h"
#include "world/Defence.h"

namespace Vorn::MainPanel {

namespace {

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

ProductFamily FamilyOf(DefencePanelStep step) {
    switch (step) {
    case DefencePanelStep::LandmineOrder:
        return ProductFamily::Landmine;
    case DefencePanelStep::ObstacleOrder:
        return ProductFamily::Obstacle;
    default:
        return ProductFamily::Tower;
    }
}

// The running order's slot: whether it still runs, and whether it is finished.
bool Running(Defence& defence, DefencePanelStep step) {
    switch (step) {
    case DefencePanelStep::LandmineOrder:
        return defence.LandmineSlot().active;
    case DefencePanelStep::ObstacleOrder:
        return defence.ObstacleSlot().active;
    default:
        return defence.TowerSlot().active;
    }
}

bool Complete(Defence& defence, DefencePanelStep step) {
    switch (step) {
    case DefencePanelStep::LandmineOrder:
        return defence.LandmineSlot().IsComplete();
    case DefencePanelStep::ObstacleOrder:
        return defence.ObstacleSlot().IsComplete();
    default:
        return defence.TowerSlot().IsComplete() && defence.TurretSlot().IsComplete();
    }
}

const Constants::PlaceableData* RulesOf(Defence& defence, DefencePanelStep step) {
    switch (step) {
    case DefencePanelStep::LandmineOrder:
        return PlaceableOf(defence.LandmineSlot().type);
    case DefencePanelStep::ObstacleOrder:
        return PlaceableOf(defence.ObstacleSlot().type);
    default:
        return PlaceableOf(defence.TowerSlot().type);
    }
}

// Where the step goes once its order is placed, cancelled or gone: a tower back to its turrets, a landmine
// or obstacle back to the choice.
void StepBack(DefencePanelState& state) {
    state.step = state.step == DefencePanelStep::TowerOrder ? DefencePanelStep::TurretChoice
                                                            : DefencePanelStep::Choice;
}

} // namespace

DefenceController::DefenceController(DefencesToolbar& defencesToolbar, TurretToolbar& turretToolbar,
                                     PlaceToolbar& placeToolbar, OrderIssuer& orders, ProductPlacing& placing)
    : defencesToolbar(defencesToolbar), turretToolbar(turretToolbar), placeToolbar(placeToolbar),
      orders(orders), placing(placing) {}

PanelView DefenceController::Update(Defence& defence) {
    switch (defence.panelState.step) {
    case DefencePanelStep::Choice:
        Choice(defence);
        break;
    case DefencePanelStep::TurretChoice:
        TurretChoice(defence);
        break;
    case DefencePanelStep::TowerOrder:
    case DefencePanelStep::LandmineOrder:
    case DefencePanelStep::ObstacleOrder:
        RunningOrder(defence);
        break;
    }
    // The clicks may have moved the step on: show what it is now.
    return View(defence);
}

PanelView DefenceController::View(Defence& defence) {
    const DefencePanelState& state = defence.panelState;
    switch (state.step) {
    case DefencePanelStep::Choice:
        break;
    case DefencePanelStep::TurretChoice:
        for (int k = 1; k < TurretToolbar::buttonCount; ++k)
            turretToolbar.SetEnabled(k, Fits(state.tower, TurretToolbar::TypeOf(k)));
        turretToolbar.SetLoadLeft(MaxLoadOf(state.tower));
        return {&turretToolbar, {}};
    case DefencePanelStep::TowerOrder:
        return ShowOrder(placeToolbar, TowerView(defence));
    case DefencePanelStep::LandmineOrder: {
        auto& slot = defence.LandmineSlot();
        const char* name = state.landmine == LandmineType::SmallLandmine ? "SmallMine" : "LargeMine";
        return ShowOrder(placeToolbar, ViewOf(slot, TypeNameOf(slot.type), Text(name)));
    }
    case DefencePanelStep::ObstacleOrder: {
        auto& slot = defence.ObstacleSlot();
        return ShowOrder(placeToolbar, ViewOf(slot, TypeNameOf(slot.type), Text(TypeNameOf(slot.type))));
    }
    }
    return {&defencesToolbar, {}};
}

void DefenceController::Choice(Defence& defence) {
    DefencePanelState& state = defence.panelState;
    for (int i = 0; i < DefencesToolbar::buttonCount; ++i) {
        if (!Clicked(defencesToolbar, i))
            continue;
        if (i >= DefencesToolbar::firstObstacle) {
            // Obstacle buttons skip the stone, which nobody builds.
            orders.Issue(BuildCommand(defence.Serial(), static_cast<ObstacleType>(i - 4)));
            state.step = DefencePanelStep::ObstacleOrder;
        } else if (i >= DefencesToolbar::firstLandmine) {
            state.landmine = static_cast<LandmineType>(i - DefencesToolbar::firstLandmine);
            orders.Issue(BuildCommand(defence.Serial(), state.landmine));
            state.step = DefencePanelStep::LandmineOrder;
        } else {
            state.tower = static_cast<TowerType>(i);
            state.step = DefencePanelStep::TurretChoice;
        }
        return;
    }
}

void DefenceController::TurretChoice(Defence& defence) {
    DefencePanelState& state = defence.panelState;
    if (Clicked(turretToolbar, TurretToolbar::backButton)) {
        state.step = DefencePanelStep::Choice;
        return;
    }
    for (int k = 1; k < TurretToolbar::buttonCount; ++k) {
        // Checked again here: the click was counted before the last tick.
        if (!Clicked(turretToolbar, k) || !Fits(state.tower, TurretToolbar::TypeOf(k)))
            continue;
        state.turret = TurretToolbar::TypeOf(k);
        orders.Issue(BuildCommand(defence.Serial(), state.tower, state.turret));
        state.step = DefencePanelStep::TowerOrder;
        return;
    }
}

void DefenceController::RunningOrder(Defence& defence) {
    DefencePanelState& state = defence.panelState;
    // An order that no longer runs (its slot was emptied elsewhere) leaves nothing to place.
    if (!Running(defence, state.step)) {
        StepBack(state);
        placing.Stop();
        return;
    }
    if (Clicked(placeToolbar, PlaceToolbar::cancelButton)) {
        orders.Issue(CancelOrderCommand(defence.Serial(), FamilyOf(state.step)));
        StepBack(state);
        placing.Stop();
        return;
    }
    const bool complete = Complete(defence, state.step);
    if (Clicked(placeToolbar, PlaceToolbar::placeButton) && complete)
        if (const Constants::PlaceableData* rules = RulesOf(defence, state.step))
            placing.Start(defence, *rules, -1);
    if (complete)
        PlaceOrder(defence);
}

void DefenceController::PlaceOrder(Defence& defence) {
    float x = 0;
    float y = 0;
    if (!placing.Take(defence, x, y))
        return;
    orders.Issue(PlaceCommand(defence.Serial(), FamilyOf(defence.panelState.step), x, y));
    defence.panelState.step = DefencePanelStep::Choice;
}

} // namespace Vorn::MainPanel
