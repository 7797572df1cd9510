// Checks of constants that only make sense together.
#include "tools/sector-clash-check/ConstantCombinations.h"

#include "rules/ConstantNames.h"
#include "rules/RecordClass.h"
#include "rules/TypeCatalogue.h"
#include "visuals/ParticleSystemFactory.h"
#include "tools/sector-clash-check/Text.h"

#include <algorithm>
#include <limits>
#include <set>

namespace check {
namespace {

using namespace Vorn::Constants;
using Vorn::ConstantIdOf;

std::string NameOf(ConstantId id) {
    return std::string(ConstantName(id));
}
std::string KeyOf(ConstantId id, const char* key) {
    return NameOf(id) + "/" + key;
}

template <class Record>
std::vector<std::pair<ConstantId, const Record*>> RecordsOf(const ConstantsTable& table) {
    std::vector<std::pair<ConstantId, const Record*>> records;
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        ConstantId id = ConstantIdFromIndex(index);
        if (const Record* record = table.Find<Record>(id))
            records.emplace_back(id, record);
    }
    return records;
}

template <class Record> int LightestWeight(const ConstantsTable& table) {
    int lightest = std::numeric_limits<int>::max();
    for (auto [id, record] : RecordsOf<Record>(table))
        lightest = std::min(lightest, record->weight);
    return lightest;
}

int HeaviestChassisLoad(const ConstantsTable& table) {
    int heaviest = std::numeric_limits<int>::min();
    for (auto [id, chassis] : RecordsOf<TankData>(table))
        heaviest = std::max(heaviest, chassis->maxLoad);
    return heaviest;
}

// The tank factory offers an armour only with a turret and a turret only on some armour, so each must fit a
// chassis together with the lightest part of the other kind.
void CheckLoads(const ConstantsTable& table, const FileProblems& report) {
    if (RecordsOf<TankData>(table).empty())
        return;
    const int heaviestLoad = HeaviestChassisLoad(table);
    const int lightestTurret = LightestWeight<TurretData>(table);
    const int lightestArmor = LightestWeight<ArmorData>(table);
    for (auto [id, armor] : RecordsOf<ArmorData>(table)) {
        if (lightestTurret != std::numeric_limits<int>::max() &&
            armor->weight + lightestTurret > heaviestLoad)
            report(KeyOf(id, "weight"),
                   Text(armor->weight, " with the lightest turret weighs ", armor->weight + lightestTurret,
                        ", more than any chassis carries (", heaviestLoad, ")"));
    }
    for (auto [id, turret] : RecordsOf<TurretData>(table)) {
        if (lightestArmor != std::numeric_limits<int>::max() && turret->weight + lightestArmor > heaviestLoad)
            report(KeyOf(id, "weight"),
                   Text(turret->weight, " on the lightest armour weighs ", turret->weight + lightestArmor,
                        ", more than any chassis carries (", heaviestLoad, ")"));
    }
}

// A game opens with heavy tanks carrying "Cannon2" and no armour; an overloaded chassis drives slower the
// more it carries, down to a crawl from twice its load.
void CheckOpeningForces(const ConstantsTable& table, const FileProblems& report) {
    const auto* heavy = table.Find<TankData>(ConstantId::HeavyTank);
    const auto* cannon = table.Find<TurretData>(ConstantId::Cannon2);
    const auto* noArmor = table.Find<ArmorData>(ConstantId::NoArmor);
    if (heavy && cannon && noArmor && cannon->weight + noArmor->weight > heavy->maxLoad)
        report(KeyOf(ConstantId::HeavyTank, "max_load"),
               Text(heavy->maxLoad, " is less than Cannon2 with NoArmor (", cannon->weight + noArmor->weight,
                    "), which every game opens with"));
}

void CheckTowerLoads(const ConstantsTable& table, const FileProblems& report) {
    const int lightestTurret = LightestWeight<TurretData>(table);
    if (lightestTurret == std::numeric_limits<int>::max())
        return;
    for (auto [id, tower] : RecordsOf<TowerData>(table)) {
        if (tower->maxLoad < lightestTurret)
            report(KeyOf(id, "max_load"),
                   Text(tower->maxLoad, " carries no turret (the lightest weighs ", lightestTurret, ")"));
    }
}

void CheckShooter(ConstantId id, const TurretData& turret, const ConstantsTable& table,
                  const FileProblems& report) {
    struct Needed {
        const char* key;
        double value;
    };
    for (Needed needed :
         {Needed{"max_ammo", double(turret.maxAmmo)}, Needed{"rounds_in_serie", double(turret.roundsInSerie)},
          Needed{"n_bullets", double(turret.nBullets)}, Needed{"rotation_speed", turret.rotationSpeed},
          Needed{"engage_range", turret.engageRange}}) {
        if (needed.value <= 0)
            report(KeyOf(id, needed.key), "must be above 0 for a turret that shoots (\"can_shoot\" is set)");
    }
    ConstantId bulletId = ConstantIdOf(turret.bullet);
    if (const auto* bullet = table.Find<BulletData>(bulletId); bullet && bullet->range < turret.engageRange)
        report(KeyOf(id, "engage_range"), Text(turret.engageRange, " is beyond the ", NameOf(bulletId),
                                               " range ", bullet->range, ": its shots fall short"));
}

void CheckTurrets(const ConstantsTable& table, const FileProblems& report) {
    for (auto [id, turret] : RecordsOf<TurretData>(table)) {
        if (turret->canShoot != 0)
            CheckShooter(id, *turret, table, report);
        const int* steps = turret->experienceBodycount;
        if (steps[0] > steps[1] || steps[1] > steps[2])
            report(KeyOf(id, "experience_step1_bodycount"),
                   Text("the experience steps ", steps[0], ", ", steps[1], ", ", steps[2],
                        " must not decrease"));
    }
}

// Production pays its price bit by bit over the build time; a free product with a build time never
// advances.
void CheckProductionCost(ConstantId id, int price, int buildTime, const FileProblems& report) {
    if (price == 0 && buildTime > 0)
        report(KeyOf(id, "price"),
               Text("0 with a build time of ", buildTime,
                    " ms: production never finishes (a free product needs build_time 0)"));
}

template <class Record> void CheckCostsOf(const ConstantsTable& table, const FileProblems& report) {
    for (auto [id, record] : RecordsOf<Record>(table))
        CheckProductionCost(id, record->price, record->buildTime, report);
}

// Everything a player builds and places must be allowed somewhere near a headquarters.
void CheckPlacement(const ConstantsTable& table, const FileProblems& report) {
    for (auto [id, placeable] : RecordsOf<PlaceableData>(table)) {
        if (id == ConstantId::Base)
            continue; // headquarters come with the level, the toolbar never builds them
        CheckProductionCost(id, placeable->price, placeable->buildTime, report);
        if (placeable->maxBaseDistance <= 0)
            report(KeyOf(id, "max_base_distance"), "must be above 0, or it can never be placed");
    }
}

// A building or tower that needs power works only with a power plant within its "power_plant_range"; when
// that is no more than the two footprints together no plant can ever stand near enough, and it never
// produces, earns or fights. Towers are never powered with a range of 0.1 or less.
void CheckPowerReach(const ConstantsTable& table, const FileProblems& report) {
    const auto* plant = table.Find<BuildingData>(ConstantId::PowerPlant);
    const float plantSize = plant ? plant->size : 0;
    const auto checkReach = [&](ConstantId id, float size, float range) {
        if (range > 0.1f && range <= size + plantSize)
            report(KeyOf(id, "power_plant_range"),
                   Text(range, " does not reach past its own size and a power plant's (", size + plantSize,
                        "): it is never powered"));
    };
    for (auto [id, building] : RecordsOf<BuildingData>(table))
        if (id != ConstantId::PowerPlant)
            checkReach(id, building->size, building->powerPlantRange);
    for (auto [id, tower] : RecordsOf<TowerData>(table)) {
        if (tower->powerPlantRange <= 0.1f)
            report(
                KeyOf(id, "power_plant_range"),
                Text(tower->powerPlantRange, ": a tower needs a power plant in range, so it never fights"));
        checkReach(id, tower->size, tower->powerPlantRange);
    }
}

void CheckBullets(const ConstantsTable& table, const FileProblems& report) {
    for (auto [id, bullet] : RecordsOf<BulletData>(table)) {
        if (bullet->rangeBegin >= bullet->range)
            report(KeyOf(id, "range_begin"), Text(bullet->rangeBegin, " is not below its range ",
                                                  bullet->range, ": it never damages anything"));
    }
}

// Every blast is made with no ammunition, so its damage multiplier is "ammo_coef_add" alone.
void CheckExplosions(const ConstantsTable& table, const FileProblems& report) {
    for (auto [id, explosion] : RecordsOf<ExplosionData>(table)) {
        if (explosion->damageLevel > 0 && explosion->ammoCoefAdd <= 0)
            report(KeyOf(id, "ammo_coef_add"), "0 makes the blast harmless despite its damage_level");
    }
}

std::set<std::string> ParticleSystemNames(const Brisk::Node& particles) {
    std::set<std::string> names;
    for (const Brisk::Node& section : particles.children) {
        if (section.name != "system")
            continue;
        for (const Brisk::Node& system : section.children)
            names.insert(system.name);
    }
    return names;
}

} // namespace

void CheckConstantCombinations(const ConstantsTable& table, const FileProblems& report) {
    CheckLoads(table, report);
    CheckOpeningForces(table, report);
    CheckTowerLoads(table, report);
    CheckTurrets(table, report);
    CheckCostsOf<TurretData>(table, report);
    CheckCostsOf<ArmorData>(table, report);
    CheckCostsOf<TankData>(table, report);
    CheckPlacement(table, report);
    CheckPowerReach(table, report);
    CheckBullets(table, report);
    CheckExplosions(table, report);
}

void CheckConstantParticles(const CheckContext& context, const ConstantsTable& table,
                            const FileProblems& report) {
    std::optional<Brisk::Node> particles = context.ReadDocument(Vorn::particlesFileName);
    if (!particles)
        return;
    const std::set<std::string> names = ParticleSystemNames(*particles);
    auto checkName = [&](ConstantId id, const char* key, const std::string& name) {
        if (!name.empty() && !names.contains(name))
            report(KeyOf(id, key), Text("particle system \"", name, "\" is not in particles.xml"));
    };
    for (auto [id, turret] : RecordsOf<TurretData>(table))
        checkName(id, "shell_ps", turret->shellPs);
    for (auto [id, bullet] : RecordsOf<BulletData>(table))
        checkName(id, "death_ps", bullet->deathPs);
}

} // namespace check
