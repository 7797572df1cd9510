// Putting a building's finished product on the map: the overlay places it under the product's rules, the
// panel takes the point for the building that made it, and refusals reach the message line once each.
#pragma once

#include "world/ObjectRef.h"

namespace Vorn {

namespace Constants {
struct PlaceableData;
}

class Building;
class MessageLine;
class PanelOverlay;

namespace MainPanel {

class ProductPlacing {
public:
    ProductPlacing(PanelOverlay& overlay, MessageLine& messages);

    // Starts placing the building's product under its rules; a deposit requirement of -1 means none.
    void Start(Building& building, const Constants::PlaceableData& rules, int depositRequirement);
    // Whether this building's product was put down; the point is where.
    bool Take(Building& building, float& x, float& y);
    // Ends placing, dropping a put-down nobody took.
    void Stop();
    // A product being placed belongs to the building that made it; once that building is no longer the
    // one shown (or none is), nobody could receive the placed object.
    void StopUnlessFor(const Building* building);
    // Posts why the product cannot stand where the cursor is, when that reason is new.
    void Report();

private:
    PanelOverlay& overlay;
    MessageLine& messages;
    // The building whose product the overlay is placing, so that no other building takes it.
    ObjectRef placingFor;
    static constexpr int justStarted = -2;
    int lastStatus = 0;
};

} // namespace MainPanel

} // namespace Vorn
