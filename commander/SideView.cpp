// A side's knowledge of the map, gathered through its own sight.
#include "commander/SideView.h"

#include "world/Building.h"
#include "world/Landmark.h"
#include "world/SideSight.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// Deposits nearer than this to one already known are the same deposit.
constexpr float sameDepositDistance = 8;

int TypeOf(const Object& object) {
    if (const Tank* tank = object.AsTank())
        return static_cast<int>(tank->type);
    if (const auto* building = dynamic_cast<const Building*>(&object))
        return static_cast<int>(building->type);
    if (const auto* tower = dynamic_cast<const Tower*>(&object))
        return static_cast<int>(tower->type);
    return 0;
}

bool IsDeposit(const Object& object) {
    const auto* landmark = dynamic_cast<const Landmark*>(&object);
    return landmark != nullptr && landmark->type == LandmarkType::Deposit;
}

} // namespace

void SideView::Look(World& world, int side) {
    const unsigned now = world.Clock();
    sight.clear();
    seenNow.clear();
    debrisSeen = 0;
    double sumX = 0;
    double sumY = 0;
    for (ObjectKind kind : {KindTank, KindTower, KindBuilding})
        for (const auto& [key, cell] : world.Objects(side, kind).Cells())
            for (const Object* object : cell)
                if (const float r = SightRadiusOf(*object); r > 0)
                    sight.push_back({object->x, object->y, r});
    for (const Circle& circle : sight) {
        LookFrom(world, side, circle.x, circle.y, circle.r, now);
        for (int other = 0; other < sideCount; ++other)
            world.Objects(other, KindDebris)
                .ForEachCellInRange(circle.x, circle.y, circle.r, [&](const World::ObjectMap::Cell& cell) {
                    for (const Object* piece : cell)
                        if (DistanceSquared(*piece, circle.x, circle.y) < circle.r * circle.r) {
                            ++debrisSeen;
                            sumX += piece->x;
                            sumY += piece->y;
                        }
                });
    }
    if (debrisSeen > 0) {
        debrisX = static_cast<float>(sumX / debrisSeen);
        debrisY = static_cast<float>(sumY / debrisSeen);
    }
    std::sort(seenNow.begin(), seenNow.end());
    ForgetVanished(now);
}

void SideView::LookFrom(World& world, int side, float x, float y, float r, unsigned now) {
    for (int other = 0; other < sideCount; ++other) {
        for (ObjectKind kind : {KindTank, KindTower, KindBuilding, KindLandmark}) {
            if (other == side && kind != KindLandmark)
                continue;
            world.Objects(other, kind).ForEachCellInRange(x, y, r, [&](const World::ObjectMap::Cell& cell) {
                for (const Object* object : cell) {
                    if (DistanceSquared(*object, x, y) >= r * r)
                        continue;
                    if (kind == KindLandmark) {
                        if (IsDeposit(*object))
                            NoteDeposit(object->x, object->y);
                    } else {
                        Note(*object, kind, now);
                    }
                }
            });
        }
    }
}

void SideView::Note(const Object& object, ObjectKind kind, unsigned now) {
    KnownObject known;
    known.serial = object.Serial();
    known.side = object.side;
    known.kind = kind;
    known.type = TypeOf(object);
    known.x = object.x;
    known.y = object.y;
    known.size = object.size;
    known.strength = StrengthOf(object);
    known.lastSeenMs = now;
    (kind == KindTank ? tanks : structures)[known.serial] = known;
    seenNow.push_back(known.serial);
    lastContactMs = now;
}

void SideView::NoteDeposit(float x, float y) {
    for (const KnownDeposit& deposit : deposits)
        if (std::abs(deposit.x - x) < sameDepositDistance && std::abs(deposit.y - y) < sameDepositDistance)
            return;
    deposits.push_back({x, y});
}

bool SideView::Sees(float x, float y) const {
    for (const Circle& circle : sight) {
        const float dx = circle.x - x;
        const float dy = circle.y - y;
        if (dx * dx + dy * dy < circle.r * circle.r)
            return true;
    }
    return false;
}

// A remembered building in sight now but not seen in this look is gone; a tank is forgotten when its last
// place is in sight without it, or after the tank memory.
void SideView::ForgetVanished(unsigned now) {
    std::erase_if(structures, [&](const auto& entry) {
        return !SeenNow(entry.first) && Sees(entry.second.x, entry.second.y);
    });
    std::erase_if(tanks, [&](const auto& entry) {
        const KnownObject& tank = entry.second;
        return !SeenNow(entry.first) && (now - tank.lastSeenMs > tankMemoryMs || Sees(tank.x, tank.y));
    });
}

bool SideView::SeenNow(std::uint64_t serial) const {
    return std::binary_search(seenNow.begin(), seenNow.end(), serial);
}

} // namespace Vorn
