// The moments of the game that can have a sound.
#include "sound/SoundCues.h"

#include "rules/ObjectTypes.h"
#include "rules/TypeCatalogue.h"

#include <algorithm>
#include <vector>

namespace Vorn {

namespace {

constexpr const char* impactTargetNames[] = {"Ground", "Armour", "Building"};
constexpr const char* destroyedUnitNames[] = {"Tank", "Tower"};
constexpr const char* interfaceCueNames[] = {"Interface.Click", "Interface.Hover", "Outcome.Won",
                                             "Outcome.Lost"};

std::string DetailName(WorldEventKind kind, int detail) {
    switch (kind) {
    case WorldEventKind::Shot:
        return TypeNameOf(static_cast<TurretType>(detail));
    case WorldEventKind::Impact:
        return impactTargetNames[detail];
    case WorldEventKind::Explosion:
        return TypeNameOf(static_cast<ExplosionType>(detail));
    case WorldEventKind::UnitDestroyed:
        return destroyedUnitNames[detail];
    case WorldEventKind::BuildingDestroyed:
        return TypeNameOf(static_cast<BuildingType>(detail));
    default:
        return {};
    }
}

std::vector<std::string> GatherCueNames() {
    std::vector<std::string> names;
    for (WorldEventKind kind : cuedKinds) {
        names.push_back(KindCueName(kind));
        for (int detail = 0; detail < CueDetailCount(kind); ++detail)
            names.push_back(DetailCueName(kind, detail));
    }
    names.insert(names.end(), std::begin(interfaceCueNames), std::end(interfaceCueNames));
    return names;
}

} // namespace

std::string KindCueName(WorldEventKind kind) {
    switch (kind) {
    case WorldEventKind::Shot:
        return "Shot";
    case WorldEventKind::Impact:
        return "Impact";
    case WorldEventKind::Explosion:
        return "Explosion";
    case WorldEventKind::UnitDestroyed:
        return "UnitDestroyed";
    case WorldEventKind::BuildingDestroyed:
        return "BuildingDestroyed";
    case WorldEventKind::ProductionFinished:
        return "ProductionFinished";
    case WorldEventKind::ReadyToPlace:
        return "ReadyToPlace";
    case WorldEventKind::PlacementRefused:
        return "PlacementRefused";
    case WorldEventKind::OrderRefused:
        return "OrderRefused";
    case WorldEventKind::MoneyRunningOut:
        return "MoneyRunningOut";
    case WorldEventKind::UnderAttack:
        return "UnderAttack";
    case WorldEventKind::Beep:
        break;
    }
    return {};
}

int CueDetailCount(WorldEventKind kind) {
    switch (kind) {
    case WorldEventKind::Shot:
        return turretTypeCount;
    case WorldEventKind::Impact:
        return static_cast<int>(std::size(impactTargetNames));
    case WorldEventKind::Explosion:
        return explosionTypeCount;
    case WorldEventKind::UnitDestroyed:
        return static_cast<int>(std::size(destroyedUnitNames));
    case WorldEventKind::BuildingDestroyed:
        return buildingTypeCount;
    default:
        return 0;
    }
}

std::string DetailCueName(WorldEventKind kind, int detail) {
    if (detail < 0 || detail >= CueDetailCount(kind))
        return {};
    return KindCueName(kind) + "." + DetailName(kind, detail);
}

std::string InterfaceCueName(InterfaceCue cue) {
    return interfaceCueNames[static_cast<int>(cue)];
}

std::span<const std::string> AllCueNames() {
    static const std::vector<std::string> names = GatherCueNames();
    return names;
}

bool IsCueName(std::string_view name) {
    const std::span<const std::string> names = AllCueNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsHeardWhereItHappens(WorldEventKind kind) {
    switch (kind) {
    case WorldEventKind::Shot:
    case WorldEventKind::Impact:
    case WorldEventKind::Explosion:
    case WorldEventKind::UnitDestroyed:
    case WorldEventKind::BuildingDestroyed:
        return true;
    default:
        return false;
    }
}

int DefaultCueIntervalMs(WorldEventKind kind) {
    switch (kind) {
    case WorldEventKind::UnderAttack:
        return 5000;
    case WorldEventKind::MoneyRunningOut:
        return 10000;
    // One refusal a click, however many units refused it.
    case WorldEventKind::PlacementRefused:
    case WorldEventKind::OrderRefused:
        return 250;
    default:
        return 0;
    }
}

} // namespace Vorn
