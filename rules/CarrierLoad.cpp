// What a tank or a tower can carry.
#include "rules/CarrierLoad.h"

#include "rules/ArmorData.h"
#include "rules/TankData.h"
#include "rules/TowerData.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"

namespace Vorn {

namespace {

template <class Record, class Type>
const Record* RecordOf(Type type, const Constants::ConstantsTable& table) {
    return table.Find<Record>(ConstantIdOf(type));
}

} // namespace

int WeightOf(ArmorType armor, const Constants::ConstantsTable& table) {
    const auto* record = RecordOf<Constants::ArmorData>(armor, table);
    return record ? record->weight : 0;
}

int WeightOf(TurretType turret, const Constants::ConstantsTable& table) {
    const auto* record = RecordOf<Constants::TurretData>(turret, table);
    return record ? record->weight : 0;
}

int MaxLoadOf(TankType chassis, const Constants::ConstantsTable& table) {
    const auto* record = RecordOf<Constants::TankData>(chassis, table);
    return record ? record->maxLoad : 0;
}

int MaxLoadOf(TowerType tower, const Constants::ConstantsTable& table) {
    const auto* record = RecordOf<Constants::TowerData>(tower, table);
    return record ? record->maxLoad : 0;
}

bool Fits(TankType chassis, ArmorType armor, const Constants::ConstantsTable& table) {
    return WeightOf(armor, table) <= MaxLoadOf(chassis, table);
}

bool Fits(TankType chassis, ArmorType armor, TurretType turret, const Constants::ConstantsTable& table) {
    return WeightOf(armor, table) + WeightOf(turret, table) <= MaxLoadOf(chassis, table);
}

bool Fits(TowerType tower, TurretType turret, const Constants::ConstantsTable& table) {
    return WeightOf(turret, table) <= MaxLoadOf(tower, table);
}

} // namespace Vorn
