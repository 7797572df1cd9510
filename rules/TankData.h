// The rules of one chassis: speed, turning, its own hit points, the load it carries and its cost.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct TankData : virtual ObjectData {
    float maxSpeed = 0;      // world units per second, before load, damage and ammunition slow it
    float rotationSpeed = 0; // degrees per second
    float baseArmor = 0;     // hit points of the bare chassis
    int maxLoad = 0;         // the most armour plus turret weight it carries
    float size = 0;          // body radius
    int price = 0;
    int buildTime = 0; // milliseconds
};

template <class Visitor> void VisitFields(TankData& d, Visitor&& visit) {
    visit("max_speed", d.maxSpeed);
    visit("rotation_speed", d.rotationSpeed);
    visit("base_armor", d.baseArmor);
    visit("max_load", d.maxLoad);
    visit("size", d.size);
    visit("price", d.price);
    visit("build_time", d.buildTime);
}

} // namespace Vorn::Constants
