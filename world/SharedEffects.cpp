// The effects every unit of the world shares.
#include "world/SharedEffects.h"

#include "random/Random.h"

namespace Vorn {

SharedEffects::SharedEffects() {
    for (int k = 0; k < armorFragmentCount; ++k)
        fragments[k].SetName("ArmorFragment" + std::to_string(k));
}

void SharedEffects::EjectShells(World& world, TurretType type, const std::string& systemName, float x,
                                float y, float direction) {
    const int index = static_cast<int>(type);
    if (index < 0 || index >= turretTypeCount)
        return;
    SharedBurst& burst = shells[index];
    burst.SetName(systemName);
    burst.Burst(world, x, y, direction);
}

void SharedEffects::EmitFragments(World& world, float x, float y) {
    const int k = static_cast<int>(randomGenerator.Next() * armorFragmentCount);
    fragments[k].Burst(world, x, y);
}

void SharedEffects::Release() {
    for (SharedBurst& burst : shells)
        burst.Release();
    for (SharedBurst& burst : fragments)
        burst.Release();
}

} // namespace Vorn
