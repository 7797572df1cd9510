// What a building's panel controller shows after its update, and the helpers every controller reads its
// toolbars and orders with.
#pragma once

#include "interface/MainPanel/PlaceToolbar.h"
#include "interface/OrderView.h"
#include "rules/ConstantsTable.h"
#include "rules/PlaceableData.h"
#include "rules/TypeCatalogue.h"
#include "world/IBuildProgress.h"

#include <string>

namespace Vorn::MainPanel {

// One toolbar; with the place toolbar, the order it shows.
struct PanelView {
    Toolbar* toolbar = nullptr;
    OrderView order;
};

// Takes every pending click of the button and answers whether there was any: one update acts once per
// button however often it was clicked since the last.
inline bool Clicked(Toolbar& toolbar, int index) {
    return toolbar.TakeClicks(index) > 0;
}

// The placement rules of a product type, or null when the constants have none.
template <class Type> const Constants::PlaceableData* PlaceableOf(Type type) {
    return Constants::constantsTable.Find<Constants::PlaceableData>(ConstantIdOf(type));
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

// The place toolbar showing the order: cancel always, place once complete.
inline PanelView ShowOrder(PlaceToolbar& placeToolbar, const OrderView& view) {
    placeToolbar.ShowOrder(view.product, view.name, view.progress, view.complete, view.price - view.paid,
                           view.buildTimeMs);
    placeToolbar.SetEnabled(PlaceToolbar::placeButton, view.complete);
    return {&placeToolbar, view};
}

} // namespace Vorn::MainPanel
