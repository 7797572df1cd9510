// The skirmish tanks of a new game.
#include "game/SkirmishForces.h"

#include "datafiles/Node.h"
#include "game/LevelNames.h"
#include "game/LevelObjects.h"
#include "random/Random.h"
#include "rules/ConstantsTable.h"
#include "rules/TankData.h"
#include "rules/TypeCatalogue.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Vorn {

namespace {

constexpr int playerSide = 3;
constexpr int enemySide = 2;
constexpr TankType skirmishChassis = TankType::HeavyTank;

// The game's fields: the player's runs east from x = 128, the enemy's west from x = -256, each 2048
// across, both from y = -2560 to 2560.
constexpr int playerFieldStart = 128;
constexpr int enemyFieldStart = 256;
constexpr double gameFieldAcross = 2048;
constexpr double gameFieldHalfAlong = 2560;

struct Fields {
    double across = 0;
    int halfAlong = 0;
};

int RandomBelow(double range) {
    return static_cast<int>(std::trunc(randomGenerator.Next() * range));
}

// The game's 256 tanks use the fields exactly as they are (a factor of 1 leaves every draw as it was).
double FieldScale(int count) {
    return count > skirmishTankCount ? std::sqrt(static_cast<double>(count) / skirmishTankCount) : 1.0;
}

Fields FieldsFor(int count) {
    const double scale = FieldScale(count);
    return {std::trunc(gameFieldAcross * scale), static_cast<int>(gameFieldHalfAlong * scale)};
}

float SkirmishTankSize() {
    const auto* record = Constants::constantsTable.Find<Constants::TankData>(ConstantIdOf(skirmishChassis));
    return record ? record->size : 0.0f;
}

// A tank's centre stays at least its size inside every edge, so its whole body stands on the map, where
// the player can see and select it. Every draw stays within the fields: x < 128 + across,
// x > -256 - across, -halfAlong <= y < halfAlong.
Fields FitOnMap(Fields fields, const World& world) {
    const double reachX = std::floor(world.Width() / 2.0 - SkirmishTankSize());
    const double reachY = std::floor(world.Height() / 2.0 - SkirmishTankSize());
    fields.across = std::min(fields.across, reachX - enemyFieldStart);
    fields.halfAlong = static_cast<int>(std::clamp<double>(reachY, 0, fields.halfAlong));
    return fields;
}

} // namespace

int SkirmishCountOf(const Brisk::Node& levelDocument) {
    const Brisk::Node* level = levelDocument.FindChild(std::string(LevelNames::level));
    const Brisk::Attribute* count = level ? level->FindAttribute(std::string(LevelNames::skirmish)) : nullptr;
    return count ? std::clamp(Brisk::ToInt(*count), 0, largestSkirmish) : skirmishTankCount;
}

int FieldSkirmishTanks(World& world, int count) {
    count = std::clamp(count, 0, largestSkirmish);
    const Fields fields = FitOnMap(FieldsFor(count), world);
    if (fields.across < 1 || fields.halfAlong < 1)
        return 0;
    int filed = 0;
    for (int i = 0; i < count; ++i) {
        const int side = i % 8 == 0 ? playerSide : enemySide;
        auto tank = MakeTank(world, skirmishChassis, side, static_cast<std::uint16_t>(i), ArmorType::NoArmor,
                             TurretType::Cannon2);
        // The player's tanks stand east of the centre line, the enemy's west of it.
        tank->x = static_cast<float>(side == playerSide ? RandomBelow(fields.across) + playerFieldStart
                                                        : -enemyFieldStart - RandomBelow(fields.across));
        tank->y = static_cast<float>(RandomBelow(2.0 * fields.halfAlong) - fields.halfAlong);
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

MapSize MapHoldingSkirmish(int count) {
    const Fields fields = FieldsFor(std::clamp(count, 0, largestSkirmish));
    const double size = SkirmishTankSize();
    // One more unit than the edges need, so the floors in FitOnMap never cut a field short.
    return {static_cast<float>(2 * (fields.across + enemyFieldStart + size + 1)),
            static_cast<float>(2 * (fields.halfAlong + size + 1))};
}

} // namespace Vorn
