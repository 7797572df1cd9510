// A headquarters.
#include "world/HQ.h"

#include "rules/ConstantsTable.h"
#include "rules/HqExtraData.h"
#include "world/ProductCatalogue.h"
#include "world/ProductFamily.h"

namespace Vorn {

HQ::HQ(World* world, Type type, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record)
    : Building(world, type, side, callsignNumber, record), IBuildProgress<BuildingType>(world, side),
      extraRecord(Constants::constantsTable.Find<Constants::HqExtraData>(Constants::ConstantId::HqExtra)) {}

void HQ::Update(unsigned elapsedMs) {
    Building::Update(elapsedMs);
    if (!world)
        return;
    if (powered && active)
        PaymentStep(elapsedMs);
    if (TakeReady())
        ReportAtProducer(WorldEventKind::ReadyToPlace,
                         ProductDetail(ProductFamily::Building, static_cast<int>(IBuildProgress::type)));
}

int HQ::Price(BuildingType product) const {
    return FactsOf(product).price;
}

int HQ::BuildTime(BuildingType product) const {
    return FactsOf(product).buildTime;
}

float HQ::Size(BuildingType product) const {
    return FactsOf(product).size;
}

} // namespace Vorn
