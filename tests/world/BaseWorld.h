// A side's base for the production tests: building, tower and mine records, buildings made as the game
// makes them, power plants and a side with money, on the combat tests' battlefield.
#pragma once

#include "CombatWorld.h"
#include "rules/AIData.h"
#include "rules/ArmoryExtraData.h"
#include "rules/BuildingData.h"
#include "rules/LandmineData.h"
#include "rules/TowerAIData.h"
#include "rules/TowerData.h"
#include "world/Building.h"
#include "world/CreateBuilding.h"

#include <map>

namespace WorldTest {

class BaseWorld : public CombatWorld {
public:
    BaseWorld() {
        ai.thinkTimeout = 100;
        ai.slowThinkTimeout = 1000;
    }

    // A building type whose record needs power from a plant within powerRange (0: none needed). Asking
    // again for a type changes the record the buildings of that type already point to.
    Vorn::Constants::BuildingData& BuildingType(Vorn::BuildingType type, float powerRange = 0) {
        auto known = buildingRecords.find(type);
        if (known == buildingRecords.end()) {
            auto& record = records.Add<Vorn::Constants::BuildingData>(type);
            record.size = 20;
            record.maxArmor = 1000;
            record.seeRange = 300;
            known = buildingRecords.emplace(type, &record).first;
        }
        known->second->powerPlantRange = powerRange;
        return *known->second;
    }
    // Made by CreateBuilding and filed at (x, y).
    template <class Made = Vorn::Building>
    Made* AddBuilding(Vorn::BuildingType type, float x, float y, int side) {
        Vorn::Building* building = Vorn::CreateBuilding(world.get(), type, side, Vorn::nextCallsign);
        building->x = x;
        building->y = y;
        world->InsertObject(building, Vorn::KindBuilding);
        return dynamic_cast<Made*>(building);
    }
    Vorn::Building* AddPowerPlant(float x, float y, int side) {
        if (!buildingRecords.contains(Vorn::BuildingType::PowerPlant))
            BuildingType(Vorn::BuildingType::PowerPlant);
        return AddBuilding(Vorn::BuildingType::PowerPlant, x, y, side);
    }
    int& Money(int side) { return world->sides[side].money; }

    std::map<Vorn::BuildingType, Vorn::Constants::BuildingData*> buildingRecords;
    Vorn::Constants::AIData& ai = records.Add<Vorn::Constants::AIData>(Vorn::Constants::ConstantId::AI);
};

} // namespace WorldTest
