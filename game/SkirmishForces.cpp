// The skirmish tanks of a new game.
#include "game/SkirmishForces.h"

#include "game/LevelObjects.h"
#include "random/Random.h"
#include "world/Tank.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

namespace {

constexpr int playerSide = 3;
constexpr int enemySide = 2;

int RandomBelow(double range) {
    return static_cast<int>(std::trunc(randomGenerator.Next() * range));
}

} // namespace

int FieldSkirmishTanks(World& world) {
    int filed = 0;
    for (int i = 0; i < skirmishTankCount; ++i) {
        const int side = i % 8 == 0 ? playerSide : enemySide;
        auto tank = MakeTank(world, TankType::HeavyTank, side, static_cast<std::uint16_t>(i),
                             ArmorType::NoArmor, TurretType::Cannon2);
        // The player's tanks stand east of the centre line, the enemy's west of it.
        tank->x = static_cast<float>(side == playerSide ? RandomBelow(2048) + 128 : -256 - RandomBelow(2048));
        tank->y = static_cast<float>(RandomBelow(5120) - 2560);
        if (!world.IsPlaceFree(tank->x, tank->y, 2 * tank->size, nullptr))
            continue;
        // The number comes from the side's counter, as a factory's would, so later tanks never repeat it.
        int& counter = world.sides[side].nextTankCallsign;
        tank->number = static_cast<std::uint16_t>(counter);
        Tank* placed = FileTank(world, std::move(tank));
        if (!placed)
            continue;
        ++counter;
        ++filed;
        StartTankBrain(*placed, static_cast<unsigned>(RandomBelow(4000)));
    }
    return filed;
}

} // namespace Vorn
