// Small stand-ins for the world's unit kinds, placed where a test needs them.
#pragma once

#include "rules/BuildingData.h"
#include "world/Armor.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Tower.h"

#include <memory>

namespace WorldTest {

inline Vorn::Tank* MakeTank(float x, float y, int side, float size = 10, float hitPoints = 100) {
    auto* tank = new Vorn::Tank(nullptr, Vorn::TankType::LightTank, side, 0, Vorn::ArmorType::NoArmor,
                                Vorn::TurretType::Gun1);
    tank->x = x;
    tank->y = y;
    tank->size = size;
    tank->armor = std::make_unique<Vorn::Armor>(Vorn::ArmorType::NoArmor, hitPoints);
    return tank;
}

inline Vorn::Tower* MakeTower(float x, float y, int side, float size = 10) {
    auto* tower = new Vorn::Tower(nullptr, Vorn::TowerType::DefenseTower, side, 0, nullptr);
    tower->x = x;
    tower->y = y;
    tower->size = size;
    tower->hitPoints = 100;
    return tower;
}

inline Vorn::Building* MakeBuilding(float x, float y, int side, Vorn::BuildingType type,
                                    const Vorn::Constants::BuildingData* record) {
    auto* building = new Vorn::Building(nullptr, type, side, 0, record);
    building->x = x;
    building->y = y;
    return building;
}

inline Vorn::Constants::BuildingData BuildingRecord(int maxArmor, int moneyGenerated, float powerPlantRange) {
    Vorn::Constants::BuildingData record;
    record.size = 20;
    record.maxArmor = maxArmor;
    record.moneyGenerated = moneyGenerated;
    record.powerPlantRange = powerPlantRange;
    return record;
}

} // namespace WorldTest
