// Product facts from the constants records.
#include "world/ProductCatalogue.h"

#include "rules/ArmorData.h"
#include "rules/ConstantsTable.h"
#include "rules/PlaceableData.h"
#include "rules/TankData.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"

namespace Vorn {

namespace {
using Constants::constantsTable;

template <class Type> ProductFacts PlaceableFacts(Type type) {
    const auto* record = constantsTable.Find<Constants::PlaceableData>(ConstantIdOf(type));
    if (!record)
        return {};
    return {record->price, record->buildTime, record->size};
}
} // namespace

ProductFacts FactsOf(BuildingType type) {
    return PlaceableFacts(type);
}

ProductFacts FactsOf(TowerType type) {
    return PlaceableFacts(type);
}

ProductFacts FactsOf(LandmineType type) {
    return PlaceableFacts(type);
}

ProductFacts FactsOf(ObstacleType type) {
    return PlaceableFacts(type);
}

ProductFacts FactsOf(TankType type) {
    const auto* record = constantsTable.Find<Constants::TankData>(ConstantIdOf(type));
    if (!record)
        return {};
    return {record->price, record->buildTime, record->size};
}

ProductFacts FactsOf(ArmorType type) {
    const auto* record = constantsTable.Find<Constants::ArmorData>(ConstantIdOf(type));
    if (!record)
        return {0, 0, 1};
    return {record->price, record->buildTime, 1};
}

ProductFacts FactsOf(TurretType type) {
    const auto* record = constantsTable.Find<Constants::TurretData>(ConstantIdOf(type));
    if (!record)
        return {0, 0, 1};
    return {record->price, record->buildTime, 1};
}

} // namespace Vorn
