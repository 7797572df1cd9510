// One world step with seven full bases: every side with 20 buildings, 40 towers and 100 landmines, and
// 1,024 tanks fighting between the bases, on the shipped rules, drawings and particle systems.
#include "ai/TankBrain.h"
#include "bench/SimulationData.h"
#include "visuals/DrawingStore.h"
#include "random/Random.h"
#include "rules/ConstantsTable.h"
#include "rules/FowData.h"
#include "rules/LandmineData.h"
#include "rules/TypeCatalogue.h"
#include "world/Armory.h"
#include "world/CreateBuilding.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/Landmine.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

using namespace Vorn;

namespace {
constexpr double fullTurn = 6.283185307179586;
constexpr float mapSize = 16384;
constexpr float baseDistance = 5000; // from the map's centre
constexpr float battleRadius = 3000; // the tanks fight in the middle, away from the mines
constexpr int tankCount = 1024;

constexpr BuildingType baseLayout[20] = {
    BuildingType::Base,        BuildingType::Outpost,    BuildingType::Defense,    BuildingType::TankFactory,
    BuildingType::TankFactory, BuildingType::RepairShop, BuildingType::Armory,     BuildingType::Armory,
    BuildingType::PowerPlant,  BuildingType::PowerPlant, BuildingType::PowerPlant, BuildingType::PowerPlant,
    BuildingType::Mine,        BuildingType::Mine,       BuildingType::Mine,       BuildingType::Mine,
    BuildingType::Recycler,    BuildingType::Recycler,   BuildingType::Recycler,   BuildingType::Recycler};
constexpr TurretType tankTurrets[4] = {TurretType::Cannon1, TurretType::Rockets1, TurretType::Gun2,
                                       TurretType::Razor1};

float Around(Random& random, float radius) {
    return static_cast<float>((random.Next() * 2 - 1) * radius);
}

// Every producer busy: the headquarters on a building, the defence on a tower and a mine, the armories on
// two kinds of rounds, and money enough never to wait.
void StartProduction(Building& building) {
    if (auto* hq = dynamic_cast<HQ*>(&building))
        hq->Slot().StartProduction(BuildingType::Mine);
    if (auto* defence = dynamic_cast<Defence*>(&building)) {
        defence->TowerSlot().StartProduction(TowerType::DefenseTower);
        defence->TurretSlot().StartProduction(TurretType::Cannon2);
        defence->LandmineSlot().StartProduction(LandmineType::LargeLandmine);
    }
    if (auto* armory = dynamic_cast<Armory*>(&building)) {
        armory->SetProduction(BulletType::TankBullet, true);
        armory->SetProduction(BulletType::Rocket, true);
    }
}

struct Bases {
    explicit Bases(bool withParticles) : data(withParticles) {
        world = std::make_unique<World>(
            mapSize, mapSize, 1920, 1080,
            Constants::constantsTable.Find<Constants::FowData>(Constants::ConstantId::FOW));
        world->fog.Reset(3);
        Random random;
        for (int side = 0; side < sideCount; ++side)
            AddBase(side, random);
        for (int i = 0; i < tankCount; ++i)
            AddTank(1 + i % 6, random, tankTurrets[i % 4]);
    }

    void AddBase(int side, Random& random) {
        const double angle = fullTurn * side / sideCount;
        const float cx = baseDistance * static_cast<float>(std::sin(angle));
        const float cy = baseDistance * static_cast<float>(std::cos(angle));
        world->sides[side].money = 1000000000;
        for (int i = 0; i < 20; ++i) {
            Building* building = CreateBuilding(world.get(), baseLayout[i], side, nextCallsign);
            building->x = cx + static_cast<float>(i % 5 - 2) * 150;
            building->y = cy + static_cast<float>(i / 5 - 2) * 150;
            world->InsertObject(building, KindBuilding);
            StartProduction(*building);
        }
        for (int i = 0; i < 40; ++i) {
            const double towerAngle = fullTurn * i / 40;
            auto* tower =
                new Tower(world.get(), static_cast<TowerType>(i % 3), side,
                          i % 2 ? TurretType::Gun3 : TurretType::Cannon2, static_cast<std::uint16_t>(i + 1));
            tower->x = cx + 520 * static_cast<float>(std::sin(towerAngle));
            tower->y = cy + 520 * static_cast<float>(std::cos(towerAngle));
            world->InsertObject(tower, KindTower);
        }
        for (int i = 0; i < 100; ++i) {
            const auto type = static_cast<LandmineType>(i % 2);
            auto* mine = new Landmine(
                type, Constants::constantsTable.Find<Constants::LandmineData>(ConstantIdOf(type)));
            mine->drawing = drawingStore.FindDrawing(TypeNameOf(type));
            mine->side = side;
            mine->x = cx + Around(random, 900);
            mine->y = cy + Around(random, 900);
            world->InsertObject(mine, KindLandmine);
        }
    }

    // Tough enough to live through the run, so the load stays the same from step to step.
    void AddTank(int side, Random& random, TurretType turret) {
        auto* tank = new Tank(world.get(), TankType::MediumTank, side, 0, ArmorType::AdvancedArmor, turret);
        tank->x = Around(random, battleRadius);
        tank->y = Around(random, battleRadius);
        tank->armor->maxHitPoints = tank->armor->hitPoints = 1e9f;
        tank->brain->SetActive(true);
        world->InsertObject(tank, KindTank);
    }

    const Bench::SimulationData data;
    std::unique_ptr<World> world;
};

void BaseTick(benchmark::State& state) {
    Bases bases(state.range(0) != 0);
    // The first steps light every building's and tank's effects and find the first targets.
    for (int step = 0; step < 60; ++step)
        bases.world->Tick(16);
    for (auto _ : state)
        bases.world->Tick(16);
    std::size_t tanks = 0;
    for (int side = 0; side < sideCount; ++side)
        tanks += bases.world->Objects(side, KindTank).Count();
    state.counters["tanks"] = static_cast<double>(tanks);
    state.counters["bullets"] = static_cast<double>(bases.world->Bullets().Count());
    state.counters["effects"] =
        static_cast<double>(bases.world->LowerEffects().Count() + bases.world->UpperEffects().Count());
}
BENCHMARK(BaseTick)->ArgName("particles")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(600);

} // namespace

BENCHMARK_MAIN();
