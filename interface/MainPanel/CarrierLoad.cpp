// What a tank or a tower can carry.
#include "interface/MainPanel/CarrierLoad.h"

#include "rules/ArmorData.h"
#include "rules/ConstantsTable.h"
#include "rules/TankData.h"
#include "rules/TowerData.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"

namespace Vorn::MainPanel {

namespace {

template <class Record, class Type> const Record* RecordOf(Type type) {
    return Constants::constantsTable.Find<Record>(ConstantIdOf(type));
}

} // namespace

int WeightOf(ArmorType armor) {
    const auto* record = RecordOf<Constants::ArmorData>(armor);
    return record ? record->weight : 0;
}

int WeightOf(TurretType turret) {
    const auto* record = RecordOf<Constants::TurretData>(turret);
    return record ? record->weight : 0;
}

int MaxLoadOf(TankType chassis) {
    const auto* record = RecordOf<Constants::TankData>(chassis);
    return record ? record->maxLoad : 0;
}

int MaxLoadOf(TowerType tower) {
    const auto* record = RecordOf<Constants::TowerData>(tower);
    return record ? record->maxLoad : 0;
}

bool Fits(TankType chassis, ArmorType armor) {
    return WeightOf(armor) <= MaxLoadOf(chassis);
}

bool Fits(TankType chassis, ArmorType armor, TurretType turret) {
    return WeightOf(armor) + WeightOf(turret) <= MaxLoadOf(chassis);
}

bool Fits(TowerType tower, TurretType turret) {
    return WeightOf(turret) <= MaxLoadOf(tower);
}

} // namespace Vorn::MainPanel
