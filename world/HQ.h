// A headquarters ("Base" or "Outpost"): builds the side's other buildings, one at a time.
#pragma once

#include "world/Building.h"
#include "world/IBuildProgress.h"

namespace Vorn {

namespace Constants {
struct HqExtraData;
}

class HQ : public Building, public IBuildProgress<BuildingType> {
public:
    HQ(World* world, Type type, int side, std::uint16_t callsignNumber,
       const Constants::BuildingData* record);

    // The base update, then, while powered, pays for the building under way. A finished building is
    // announced (ReadyToPlace) and waits in its slot until it is placed.
    void Update(unsigned elapsedMs) override;

    int Price(BuildingType product) const override;
    int BuildTime(BuildingType product) const override;
    float Size(BuildingType product) const override;

    IBuildProgress<BuildingType>& Slot() { return *this; }

    // The building's own world, side and type, not the slots' copies.
    using Building::side;
    using Building::type;
    using Building::world;

    const Constants::HqExtraData* extraRecord;
};

} // namespace Vorn
