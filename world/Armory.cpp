// An armory: ammunition production and the rearming of tanks.
#include "world/Armory.h"
#include "world/ProductFamily.h"

#include "rules/ArmoryExtraData.h"
#include "rules/BulletData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>

namespace Vorn {

Armory::Armory(World* world, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record)
    : Building(world, BuildingType::Armory, side, callsignNumber, record),
      extraRecord(
          Constants::constantsTable.Find<Constants::ArmoryExtraData>(Constants::ConstantId::ArmoryExtra)) {
    for (int kind = 0; kind < bulletTypeCount; ++kind)
        if (const auto* bullet =
                Constants::constantsTable.Find<Constants::BulletData>(ConstantIdOf(BulletType(kind)))) {
            price[kind] = bullet->price;
            buildSpeed[kind] = bullet->buildSpeed;
            weight[kind] = bullet->weight;
        }
}

void Armory::SetProduction(BulletType kind, bool on) {
    productionOn[static_cast<std::size_t>(kind)] = on;
}

bool Armory::IsProducing(BulletType kind) const {
    return productionOn[static_cast<std::size_t>(kind)];
}

unsigned Armory::Stock(BulletType kind) const {
    return stock[static_cast<std::size_t>(kind)];
}

bool Armory::CanAfford(BulletType kind) const {
    return world && world->sides[side].money >= price[static_cast<std::size_t>(kind)];
}

float Armory::Load() const {
    float load = 0;
    for (int kind = 0; kind < bulletTypeCount; ++kind)
        load += static_cast<float>(stock[kind]) * weight[kind];
    return load;
}

float Armory::LoadFraction() const {
    if (!extraRecord || extraRecord->capacity <= 0)
        return 1;
    return Load() / extraRecord->capacity;
}

float Armory::UnitProgress(BulletType kind) const {
    const auto k = static_cast<std::size_t>(kind);
    return accumulator[k] * buildSpeed[k];
}

void Armory::Update(unsigned elapsedMs) {
    Building::Update(elapsedMs);
    const unsigned oldClock = clock;
    clock += elapsedMs;
    if (!world || !powered || !extraRecord)
        return;
    if (LoadFraction() < 1)
        Produce(elapsedMs);
    // An interval of 0 would divide by zero: it rearms in every step instead.
    const auto interval = static_cast<unsigned>(std::max(1, extraRecord->rearmInterval));
    if (oldClock / interval != clock / interval)
        RearmTanks();
}

// At most one round of each kind per step; a kind the side cannot pay for loses the round it made.
void Armory::Produce(unsigned elapsedMs) {
    const float seconds = static_cast<float>(elapsedMs) * 0.001f;
    SideRecord& account = world->sides[side];
    for (int kind = 0; kind < bulletTypeCount; ++kind) {
        if (!productionOn[kind] || buildSpeed[kind] <= 0)
            continue;
        accumulator[kind] += seconds;
        const float roundTime = 1 / buildSpeed[kind];
        if (accumulator[kind] < roundTime)
            continue;
        accumulator[kind] -= roundTime;
        if (account.money >= price[kind]) {
            account.money -= price[kind];
            ++stock[kind];
            world->Report({WorldEventKind::ProductionFinished, side, x, y,
                           ProductDetail(ProductFamily::Ammunition, kind), Serial()});
        }
    }
}

void Armory::RearmTanks() {
    if (side < 0 || side >= sideCount)
        return;
    const float range = extraRecord->rearmRange;
    for (Object* object : world->Objects(side, KindTank).QueryRange(x, y, range + largestObjectRadius)) {
        auto* tank = dynamic_cast<Tank*>(object);
        if (!tank || !tank->turret || DistanceSquared(*tank, x, y) >= range * range)
            continue;
        tank->turret->Rearm(stock[static_cast<std::size_t>(tank->turret->bulletKind)]);
    }
}

} // namespace Vorn
