// The skirmish tanks of a new game.
#include "game/SkirmishForces.h"

#include "game/LevelObjects.h"
#include "random/Random.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

constexpr int playerSide = 3;
constexpr int enemySide = 2;

int RandomBelow(double range) {
    return static_cast<int>(std::trunc(randomGenerator.Next() * range));
}

// The game's 256 tanks use the fields exactly as they are (a factor of 1 leaves every draw as it was).
double FieldScale(int count) {
    return count > skirmishTankCount ? std::sqrt(static_cast<double>(count) / skirmishTankCount) : 1.0;
}

} // namespace

int FieldSkirmishTanks(World& world, int count) {
    count = std::clamp(count, 0, largestSkirmish);
    const double scale = FieldScale(count);
    const double across = std::trunc(2048 * scale);
    const int halfAlong = static_cast<int>(2560 * scale);
    int filed = 0;
    for (int i = 0; i < count; ++i) {
        const int side = i % 8 == 0 ? playerSide : enemySide;
        auto tank = MakeTank(world, TankType::HeavyTank, side, static_cast<std::uint16_t>(i),
                             ArmorType::NoArmor, TurretType::Cannon2);
        // The player's tanks stand east of the centre line, the enemy's west of it.
        tank->x =
            static_cast<float>(side == playerSide ? RandomBelow(across) + 128 : -256 - RandomBelow(across));
        tank->y = static_cast<float>(RandomBelow(2.0 * halfAlong) - halfAlong);
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
