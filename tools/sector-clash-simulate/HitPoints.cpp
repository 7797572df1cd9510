// The hit points the simulator reports of an object.
#include "tools/sector-clash-simulate/HitPoints.h"

#include "world/Armor.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Tower.h"

namespace simulate {

std::optional<double> HitPointsOf(const Vorn::Object& object) {
    if (const Vorn::Tank* tank = object.AsTank())
        return tank->armor ? std::optional<double>(tank->armor->hitPoints) : std::nullopt;
    if (const auto* tower = dynamic_cast<const Vorn::Tower*>(&object))
        return tower->hitPoints;
    if (const auto* building = dynamic_cast<const Vorn::Building*>(&object))
        return building->hitPoints;
    return std::nullopt;
}

} // namespace simulate
