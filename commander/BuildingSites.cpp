// Finding sites for buildings and defences.
#include "commander/BuildingSites.h"

#include "commander/OwnForces.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/PlacementCheck.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vorn {

namespace {

// Points tried per ring, and the distance between rings.
constexpr int ringPoints = 16;
constexpr float ringStep = 70;
// The room kept around a factory for the tanks it lets out.
constexpr float factoryClearance = 140;
// Landmines this near each other would go off together.
constexpr float landmineSpacing = 60;

struct Ring {
    MapPoint anchor;
    float innerRadius = 0;
    float outerRadius = 0;
    // Room kept free around the site beyond the building's size.
    float gap = buildingGap;
};

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

bool InsideMap(World& world, float x, float y, float size) {
    return std::abs(x) < world.Width() / 2 - size && std::abs(y) < world.Height() / 2 - size;
}

// New tanks leave a factory and gather around it: nothing is built this near one.
bool ClearOfFactories(World& world, int side, float x, float y, float size) {
    for (const Building* factory : OwnBuildings(world, side, BuildingType::TankFactory))
        if (Length(factory->x - x, factory->y - y) < factory->size + size + factoryClearance)
            return false;
    return true;
}

bool ClearOfLandmines(World& world, int side, float x, float y) {
    for (const Object* mine : OwnObjects(world, side, KindLandmine))
        if (Length(mine->x - x, mine->y - y) < landmineSpacing)
            return false;
    return true;
}

bool SiteAllowed(World& world, int side, const PlacementRules& rules, float x, float y, float gap) {
    return InsideMap(world, x, y, rules.size + gap) && ClearOfFactories(world, side, x, y, rules.size) &&
           world.IsPlaceFree(x, y, rules.size + gap, nullptr) &&
           CheckPlacement(world, rules, side, x, y) == placementAllowed;
}

// The points of the rings from the inside out; on each ring the point turned away from the enemy first,
// then alternately on either side of it.
std::optional<MapPoint> SearchRing(World& world, int side, const PlacementRules& rules, const Ring& ring,
                                   MapPoint away) {
    const float awayAngle = std::atan2(away.y, away.x);
    const float turn = 2 * std::numbers::pi_v<float> / ringPoints;
    for (float radius = ring.innerRadius; radius <= ring.outerRadius; radius += ringStep)
        for (int k = 0; k < ringPoints; ++k) {
            const int sign = k % 2 == 0 ? 1 : -1;
            const float angle = awayAngle + static_cast<float>(sign * ((k + 1) / 2)) * turn;
            const float x = ring.anchor.x + radius * std::cos(angle);
            const float y = ring.anchor.y + radius * std::sin(angle);
            if (SiteAllowed(world, side, rules, x, y, ring.gap))
                return MapPoint{x, y};
        }
    return std::nullopt;
}

float PowerRangeOf(BuildingType type) {
    const auto* record = Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(type));
    return record != nullptr ? record->powerPlantRange : 0;
}

std::optional<MapPoint> MineSite(World& world, int side, const PlacementRules& rules, const SideView& view,
                                 MapPoint hq) {
    std::vector<KnownDeposit> deposits = view.Deposits();
    std::sort(deposits.begin(), deposits.end(), [&](const KnownDeposit& a, const KnownDeposit& b) {
        return Length(a.x - hq.x, a.y - hq.y) < Length(b.x - hq.x, b.y - hq.y);
    });
    for (const KnownDeposit& deposit : deposits)
        if (CheckPlacement(world, rules, side, deposit.x, deposit.y) == placementAllowed &&
            world.IsPlaceFree(deposit.x, deposit.y, rules.size, nullptr))
            return MapPoint{deposit.x, deposit.y};
    return std::nullopt;
}

// Beside a building that waits for power, within reach of it; else by the headquarters.
std::optional<MapPoint> PowerPlantSite(World& world, int side, const PlacementRules& rules, MapPoint hq,
                                       MapPoint away) {
    for (Object* object : OwnObjects(world, side, KindBuilding)) {
        auto* building = dynamic_cast<Building*>(object);
        if (building == nullptr || !NeedsPower(*building) || world.IsPowered(*building))
            continue;
        const Ring ring{{building->x, building->y},
                        building->size + rules.size + buildingGap,
                        building->record->powerPlantRange - 10};
        if (std::optional<MapPoint> site = SearchRing(world, side, rules, ring, away))
            return site;
    }
    return SearchRing(world, side, rules, {hq, 100 + rules.size, rules.maxBaseDistance - rules.size}, away);
}

// Within reach of one of the side's power plants.
std::optional<MapPoint> PoweredSite(World& world, int side, BuildingType type, const PlacementRules& rules,
                                    MapPoint away) {
    const float reach = PowerRangeOf(type);
    const float gap = type == BuildingType::TankFactory ? buildingGap + factoryClearance : buildingGap;
    for (Building* plant : OwnBuildings(world, side, BuildingType::PowerPlant)) {
        const Ring ring{{plant->x, plant->y}, plant->size + rules.size + gap, reach - 20, gap};
        if (std::optional<MapPoint> site = SearchRing(world, side, rules, ring, away))
            return site;
    }
    return std::nullopt;
}

// Out from the headquarters towards the nearest deposit beyond a mine's reach.
std::optional<MapPoint> OutpostSite(World& world, int side, const PlacementRules& rules, const SideView& view,
                                    MapPoint hq) {
    const KnownDeposit* nearest = nullptr;
    float nearestDistance = 0;
    for (const KnownDeposit& deposit : view.Deposits()) {
        const float distance = Length(deposit.x - hq.x, deposit.y - hq.y);
        if (distance > 900 && (nearest == nullptr || distance < nearestDistance)) {
            nearest = &deposit;
            nearestDistance = distance;
        }
    }
    if (nearest == nullptr)
        return std::nullopt;
    const MapPoint towards = Unit(nearest->x - hq.x, nearest->y - hq.y);
    const float reach = std::min(rules.maxBaseDistance - rules.size, nearestDistance - 300);
    return SearchRing(world, side, rules,
                      {{hq.x + towards.x * reach, hq.y + towards.y * reach}, 0, 2 * ringStep}, towards);
}

} // namespace

MapPoint Unit(float x, float y) {
    const float length = Length(x, y);
    return length > 0 ? MapPoint{x / length, y / length} : MapPoint{0, 1};
}

MapPoint EnemyDirection(const SideView& view, MapPoint hq) {
    const KnownObject* nearest = nullptr;
    float nearestDistance = 0;
    for (const auto& [serial, known] : view.Structures()) {
        const float distance = Length(known.x - hq.x, known.y - hq.y);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &known;
            nearestDistance = distance;
        }
    }
    if (nearest != nullptr)
        return Unit(nearest->x - hq.x, nearest->y - hq.y);
    return Unit(-hq.x, -hq.y);
}

std::optional<MapPoint> FindBuildingSite(World& world, int side, BuildingType type, const SideView& view) {
    const Building* headquarters = MainHeadquarters(world, side);
    const std::optional<PlacementRules> rules = PlacementRulesOf(type);
    if (headquarters == nullptr || !rules)
        return std::nullopt;
    const MapPoint hq{headquarters->x, headquarters->y};
    const MapPoint towardsEnemy = EnemyDirection(view, hq);
    const MapPoint away{-towardsEnemy.x, -towardsEnemy.y};
    switch (type) {
    case BuildingType::Mine:
        return MineSite(world, side, *rules, view, hq);
    case BuildingType::PowerPlant:
        return PowerPlantSite(world, side, *rules, hq, away);
    case BuildingType::Outpost:
        return OutpostSite(world, side, *rules, view, hq);
    case BuildingType::Recycler:
        if (view.debrisSeen > 0)
            if (std::optional<MapPoint> site =
                    SearchRing(world, side, *rules, {{view.debrisX, view.debrisY}, 0, 4 * ringStep}, away))
                return site;
        break;
    default:
        if (NeedsPower(type))
            return PoweredSite(world, side, type, *rules, away);
        break;
    }
    return SearchRing(
        world, side, *rules,
        {hq, headquarters->size + rules->size + buildingGap, rules->maxBaseDistance - rules->size}, away);
}

std::optional<MapPoint> FindDefenceSite(World& world, int side, const std::optional<PlacementRules>& rules,
                                        MapPoint hq, MapPoint enemy, float distance) {
    if (!rules)
        return std::nullopt;
    const MapPoint across{-enemy.y, enemy.x};
    // The rings alternate out and in from `distance`: nearer the headquarters a site stays in reach of
    // its power plant and away from enemies already at the base.
    for (int ring = 0; ring < 7; ++ring) {
        const float out =
            distance + static_cast<float>(ring % 2 == 0 ? ring / 2 : -(ring + 1) / 2) * ringStep;
        if (out <= 0)
            continue;
        for (int k = 0; k < 9; ++k) {
            const float lateral = static_cast<float>(k % 2 == 0 ? k / 2 : -(k + 1) / 2) * 2 * rules->size + 0;
            const float x = hq.x + enemy.x * out + across.x * lateral * 2;
            const float y = hq.y + enemy.y * out + across.y * lateral * 2;
            if (InsideMap(world, x, y, rules->size) && world.IsPlaceFree(x, y, rules->size * 2, nullptr) &&
                ClearOfFactories(world, side, x, y, rules->size) && ClearOfLandmines(world, side, x, y) &&
                CheckPlacement(world, *rules, side, x, y) == placementAllowed)
                return MapPoint{x, y};
        }
    }
    return std::nullopt;
}

} // namespace Vorn
