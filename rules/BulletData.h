// The rules of one projectile kind: flight, damage, range and what its ammunition costs.
#pragma once

#include "rules/ObjectData.h"

#include <string>

namespace Vorn::Constants {

struct BulletData : virtual ObjectData {
    bool payload = false;        // full damage and opacity over the whole flight
    int topSpeed = 0;            // world units per second
    bool rocketMovement = false; // speeds up along the flight instead of slowing down
    int effectivity = 0;         // damage of a hit
    int range = 0;               // flight distance, world units
    int rangeBegin = 0;          // distance flown before it can damage units and buildings
    float guiding = 0;           // homing turn rate, degrees per second; homing above 0.01
    std::string deathPs;         // particle system where it ends its flight, empty for none
    int price = 0;               // of one round
    float buildSpeed = 0;        // rounds an armory makes per second
    float weight = 0;            // of one round in an armory's stock
};

template <class Visitor> void VisitFields(BulletData& d, Visitor&& visit) {
    visit("payload", d.payload);
    visit("top_speed", d.topSpeed);
    visit("rocket_movement", d.rocketMovement);
    visit("effectivity", d.effectivity);
    visit("range", d.range);
    visit("range_begin", d.rangeBegin);
    visit("guiding", d.guiding);
    visit("death_ps", d.deathPs);
    visit("price", d.price);
    visit("build_speed", d.buildSpeed);
    visit("weight", d.weight);
}

} // namespace Vorn::Constants
