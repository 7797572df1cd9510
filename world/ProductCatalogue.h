// What each product costs, how long it takes and how large it is: the answers every producing building
// gives its production slots, taken from the product's constants record. A product without a record costs
// nothing and is ready at once.
#pragma once

#include "rules/ObjectTypes.h"

namespace Vorn {

struct ProductFacts {
    int price = 0;
    int buildTime = 0;
    float size = 0;
};

ProductFacts FactsOf(BuildingType type);
ProductFacts FactsOf(TankType type);
// Armour and turrets are parts of a unit: their size is 1.
ProductFacts FactsOf(ArmorType type);
ProductFacts FactsOf(TurretType type);
ProductFacts FactsOf(TowerType type);
ProductFacts FactsOf(LandmineType type);
ProductFacts FactsOf(ObstacleType type);

} // namespace Vorn
