// What the main panel asks of the map overlay: the player's selection, and the placing of a finished
// product on the map with the player's answer.
#pragma once

#include <vector>

namespace Vorn {

class Object;

class PanelOverlay {
public:
    virtual ~PanelOverlay() = default;

    // The selected objects, every one alive since the overlay's last update.
    virtual const std::vector<Object*>& Selection() const = 0;
    // Begins placing a product of this footprint under the placement rules; a deposit requirement of -1
    // means none.
    virtual void StartPlacement(float maxBaseDistance, float minEnemyDistance, float size,
                                bool areaMustBeSecured, int depositRequirement) = 0;
    virtual bool Placing() const = 0;
    // Ends placing without a point.
    virtual void StopPlacing() = 0;
    // True once after the player has put the product down; the point is where.
    virtual bool TakeConfirmed(float& x, float& y) = 0;
    // Why the product cannot stand under the cursor now: 0 when it can.
    virtual int PlacementStatus() const = 0;
};

} // namespace Vorn
