// Fighting strength from the rules data.
#include "commander/Strength.h"

#include "rules/ArmorData.h"
#include "rules/BulletData.h"
#include "rules/ConstantsTable.h"
#include "rules/TankData.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"

#include <algorithm>

namespace Vorn {

namespace {

// The range most turrets engage at; a longer one counts for more damage, a shorter one for less.
constexpr float usualRange = 380;

const Constants::TurretData* TurretRecord(TurretType turret) {
    return Constants::constantsTable.Find<Constants::TurretData>(ConstantIdOf(turret));
}

float RangeWeight(float range) {
    return std::clamp(range / usualRange, 0.75f, 1.5f);
}

UnitStrength ArmedStrength(const Object& object, const Turret* turret) {
    UnitStrength strength;
    if (const std::optional<HitPoints> health = object.Health())
        strength.hitPoints = health->current;
    if (turret != nullptr) {
        strength.range = turret->record ? turret->record->engageRange : 0;
        strength.damagePerSecond = TurretDamagePerSecond(turret->type) * RangeWeight(strength.range);
    }
    return strength;
}

} // namespace

float TurretDamagePerSecond(TurretType turret) {
    const Constants::TurretData* record = TurretRecord(turret);
    if (record == nullptr || record->canShoot == 0)
        return 0;
    const auto* bullet = Constants::constantsTable.Find<Constants::BulletData>(ConstantIdOf(record->bullet));
    if (bullet == nullptr)
        return 0;
    const float cycle = record->roundsInSerie * record->reloadTime + record->serieReloadTime;
    if (cycle <= 0)
        return 0;
    return static_cast<float>(record->roundsInSerie) * static_cast<float>(record->nBullets) *
           static_cast<float>(bullet->effectivity) / cycle;
}

UnitStrength StrengthOf(const Object& object) {
    if (const Tank* tank = object.AsTank())
        return ArmedStrength(object, tank->turret.get());
    if (const auto* tower = dynamic_cast<const Tower*>(&object))
        return ArmedStrength(object, tower->turret.get());
    UnitStrength strength;
    if (const std::optional<HitPoints> health = object.Health())
        strength.hitPoints = health->current;
    return strength;
}

UnitStrength StrengthOf(const TankOrder& design) {
    UnitStrength strength;
    if (const auto* chassis =
            Constants::constantsTable.Find<Constants::TankData>(ConstantIdOf(design.chassis)))
        strength.hitPoints += chassis->baseArmor;
    if (const auto* armor = Constants::constantsTable.Find<Constants::ArmorData>(ConstantIdOf(design.armor)))
        strength.hitPoints += static_cast<float>(armor->maxArmor);
    if (const Constants::TurretData* turret = TurretRecord(design.turret))
        strength.range = turret->engageRange;
    strength.damagePerSecond = TurretDamagePerSecond(design.turret) * RangeWeight(strength.range);
    return strength;
}

float GroupStrength(const std::vector<UnitStrength>& group) {
    float hitPoints = 0;
    float damage = 0;
    for (const UnitStrength& unit : group) {
        hitPoints += unit.hitPoints;
        damage += unit.damagePerSecond;
    }
    return hitPoints * damage;
}

bool ShouldAttack(float ownStrength, float knownStrength, float margin) {
    if (ownStrength <= 0)
        return false;
    return ownStrength > knownStrength * margin;
}

int PriceOf(const TankOrder& design) {
    int price = 0;
    if (const auto* chassis =
            Constants::constantsTable.Find<Constants::TankData>(ConstantIdOf(design.chassis)))
        price += chassis->price;
    if (const auto* armor = Constants::constantsTable.Find<Constants::ArmorData>(ConstantIdOf(design.armor)))
        price += armor->price;
    if (const Constants::TurretData* turret = TurretRecord(design.turret))
        price += turret->price;
    return price;
}

} // namespace Vorn
