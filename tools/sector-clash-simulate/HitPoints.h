// The hit points the simulator reports of an object.
#pragma once

#include <optional>

namespace Vorn {
class Object;
}

namespace simulate {

// A tank's armour, a tower's or a building's current hit points; nothing for objects that have none
// (obstacles, landmines) and for a tank without armour.
std::optional<double> HitPointsOf(const Vorn::Object& object);

} // namespace simulate
