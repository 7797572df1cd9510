// The effects every unit of the world shares: the spent shells of each turret type and the eight kinds of
// armour fragments. They live as long as their world.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/SharedBurst.h"

#include <array>

namespace Vorn {

class World;

inline constexpr int armorFragmentCount = 8;

class SharedEffects {
public:
    SharedEffects();

    // One burst of the turret type's spent shells at (x, y), thrown towards the direction.
    void EjectShells(World& world, TurretType type, const std::string& systemName, float x, float y,
                     float direction);
    // One burst of a random armour fragment kind at (x, y); draws one random value.
    void EmitFragments(World& world, float x, float y);
    // Lets the world collect every shared effect.
    void Release();

    std::array<SharedBurst, turretTypeCount> shells;
    std::array<SharedBurst, armorFragmentCount> fragments;
};

} // namespace Vorn
