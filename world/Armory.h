// An armory: makes ammunition of the kinds switched on while it has room and power, and rearms its
// side's tanks around it on its clock. Towers draw from its stock themselves.
#pragma once

#include "world/Building.h"

#include <array>

namespace Vorn {

namespace Constants {
struct ArmoryExtraData;
}

class Armory : public Building {
public:
    Armory(World* world, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record);

    void Update(unsigned elapsedMs) override;

    void SetProduction(BulletType kind, bool on);
    bool IsProducing(BulletType kind) const;
    unsigned Stock(BulletType kind) const;
    // The side can pay for one round of the kind.
    bool CanAfford(BulletType kind) const;
    // The weight of everything in stock.
    float Load() const;
    // Load over "capacity"; 1 for an armory without room.
    float LoadFraction() const;
    // How far the next round of the kind is made, 1 meaning done.
    float UnitProgress(BulletType kind) const;

    const Constants::ArmoryExtraData* extraRecord;
    // Per bullet kind, in kind order. Plain values, so a saved game can hold them.
    std::array<bool, bulletTypeCount> productionOn{};
    std::array<unsigned, bulletTypeCount> stock{};
    // Seconds of production towards the next round.
    std::array<float, bulletTypeCount> accumulator{};
    std::array<int, bulletTypeCount> price{};
    // Rounds per second.
    std::array<float, bulletTypeCount> buildSpeed{};
    std::array<float, bulletTypeCount> weight{};
    // Milliseconds since the armory was built.
    unsigned clock = 0;

private:
    void Produce(unsigned elapsedMs);
    void RearmTanks();
};

} // namespace Vorn
