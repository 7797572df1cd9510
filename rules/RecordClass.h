// Turns a record class value into its C++ type, so that loading and checking share one list of classes.
#pragma once

#include "rules/AIData.h"
#include "rules/ArmorData.h"
#include "rules/ArmoryExtraData.h"
#include "rules/BuildingData.h"
#include "rules/BulletData.h"
#include "rules/ConstantNames.h"
#include "rules/CorpseData.h"
#include "rules/ExplosionData.h"
#include "rules/FowData.h"
#include "rules/HqExtraData.h"
#include "rules/LandmineData.h"
#include "rules/ObstacleData.h"
#include "rules/RecyclerExtraData.h"
#include "rules/TankAIData.h"
#include "rules/TankData.h"
#include "rules/TowerAIData.h"
#include "rules/TowerData.h"
#include "rules/TurretData.h"

#include <type_traits>

namespace Vorn::Constants {

// Calls action(std::type_identity<Record>{}) with the record type of the class and returns its answer;
// for RecordClass::None it returns the answer of action(std::type_identity<void>{}).
template <class Action> decltype(auto) WithRecordType(RecordClass recordClass, Action&& action) {
    switch (recordClass) {
    case RecordClass::Turret:
        return action(std::type_identity<TurretData>{});
    case RecordClass::Armor:
        return action(std::type_identity<ArmorData>{});
    case RecordClass::Tank:
        return action(std::type_identity<TankData>{});
    case RecordClass::Tower:
        return action(std::type_identity<TowerData>{});
    case RecordClass::Bullet:
        return action(std::type_identity<BulletData>{});
    case RecordClass::Fow:
        return action(std::type_identity<FowData>{});
    case RecordClass::AI:
        return action(std::type_identity<AIData>{});
    case RecordClass::TankAI:
        return action(std::type_identity<TankAIData>{});
    case RecordClass::TowerAI:
        return action(std::type_identity<TowerAIData>{});
    case RecordClass::Building:
        return action(std::type_identity<BuildingData>{});
    case RecordClass::HqExtra:
        return action(std::type_identity<HqExtraData>{});
    case RecordClass::ArmoryExtra:
        return action(std::type_identity<ArmoryExtraData>{});
    case RecordClass::RecyclerExtra:
        return action(std::type_identity<RecyclerExtraData>{});
    case RecordClass::Explosion:
        return action(std::type_identity<ExplosionData>{});
    case RecordClass::Corpse:
        return action(std::type_identity<CorpseData>{});
    case RecordClass::Landmine:
        return action(std::type_identity<LandmineData>{});
    case RecordClass::Obstacle:
        return action(std::type_identity<ObstacleData>{});
    case RecordClass::None:
        break;
    }
    return action(std::type_identity<void>{});
}

} // namespace Vorn::Constants
