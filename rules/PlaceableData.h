// The rules shared by everything a player places on the map: footprint, price and where it may stand.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct PlaceableData : virtual ObjectData {
    float size = 0;                 // footprint radius, for placement and collision
    int price = 0;                  // money charged over the build time
    int buildTime = 0;              // milliseconds
    float maxBaseDistance = 0;      // the placement must lie this near one of the player's headquarters
    float minEnemyDistance = 0;     // no enemy this near; also the radius of the secured-area test
    bool areaMustBeSecured = false; // more than three own tanks must stand within minEnemyDistance
};

// Calls visit(key, field) for each field with the key it is read from in "constants.xml".
template <class Visitor> void VisitFields(PlaceableData& d, Visitor&& visit) {
    visit("size", d.size);
    visit("price", d.price);
    visit("build_time", d.buildTime);
    visit("max_base_distance", d.maxBaseDistance);
    visit("min_enemy_distance", d.minEnemyDistance);
    visit("area_must_be_secured", d.areaMustBeSecured);
}

} // namespace Vorn::Constants
