// Tanks on the move. TankMovement: an army of switched-on heavy tanks of one side, each ordered to the
// mirror of its place across a field strewn with concrete blocks, with no enemy in sight, so the cost is
// the tank brains' steering, local path search and moves. BattleAdvancing: two facing armies, each tank
// ordered through the enemy's lines to the mirror of its place, so they drive, fight, dodge and die at
// once. One benchmark iteration is one World::Tick of 16 ms; the first second of game time is run before
// timing starts, and the median tick is reported beside the mean.
#include "ai/TankBrain.h"
#include "bench/SimulationData.h"
#include "random/Random.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

using namespace Vorn;

namespace {

constexpr unsigned tickMs = 16;
constexpr int warmUpTicks = 1000 / tickMs + 1;
// Tanks start this far apart in a square block; the blocks lie on a band as wide as the army between
// the start and the goal, one per this many square units of it.
constexpr float spacing = 60;
constexpr float areaPerBlock = 200.0f * 200.0f;
constexpr float blockSize = 16;

struct MovingArmy {
    std::unique_ptr<World> world;
};

MovingArmy FieldArmy(int tankCount) {
    const int files = static_cast<int>(std::ceil(std::sqrt(static_cast<float>(tankCount))));
    const float block = files * spacing;
    MovingArmy army;
    army.world = std::make_unique<World>(4 * block + 2000, block + 2000, 1920, 1080);
    Random random;
    const int blocks = static_cast<int>(block * block / areaPerBlock);
    for (int i = 0; i < blocks; ++i) {
        auto* obstacle = new Obstacle(ObstacleType::ConcreteBlock, nullptr);
        obstacle->x = (static_cast<float>(random.Next()) - 0.5f) * block;
        obstacle->y = (static_cast<float>(random.Next()) - 0.5f) * block;
        obstacle->size = blockSize;
        army.world->InsertObject(obstacle, KindStatic);
    }
    for (int i = 0; i < tankCount; ++i) {
        auto* tank = new Tank(army.world.get(), TankType::HeavyTank, 3, static_cast<std::uint16_t>(i + 1),
                              ArmorType::NoArmor, TurretType::Cannon2);
        const float across = -block * 1.5f + static_cast<float>(i % files) * spacing;
        const float along = (static_cast<float>(i / files) - files / 2.0f) * spacing;
        tank->x = across;
        tank->y = along;
        tank->direction = 90;
        army.world->InsertObject(tank, KindTank);
        tank->brain->SetActive(true);
        tank->brain->SetWaypoint(-across, along);
    }
    return army;
}

// Two armies four ranks deep, 45 units apart within a rank, the front ranks 220 units apart, facing.
MovingArmy FieldFacingArmies(int tankCount) {
    constexpr float rankSpacing = 45;
    constexpr float frontGap = 220;
    constexpr int ranksDeep = 4;
    const int perSide = tankCount / 2;
    const int files = (perSide + ranksDeep - 1) / ranksDeep;
    MovingArmy army;
    army.world = std::make_unique<World>(2 * (ranksDeep * rankSpacing + frontGap) + 2000,
                                         files * rankSpacing + 2000, 1920, 1080);
    for (int side : {2, 3}) {
        const float away = side == 2 ? -1.0f : 1.0f;
        for (int i = 0; i < perSide; ++i) {
            auto* tank = new Tank(army.world.get(), TankType::HeavyTank, side,
                                  static_cast<std::uint16_t>(i + 1), ArmorType::NoArmor, TurretType::Cannon2);
            tank->x = away * (frontGap / 2 + static_cast<float>(i % ranksDeep) * rankSpacing);
            tank->y = (static_cast<float>(i / ranksDeep) - files / 2.0f) * rankSpacing;
            tank->direction = -away * 90;
            tank->turret->direction = tank->direction;
            army.world->InsertObject(tank, KindTank);
            tank->brain->SetActive(true);
            tank->brain->SetWaypoint(-tank->x, tank->y);
        }
    }
    return army;
}

// Runs the field the maker lays out with the shipped rules, drawings and particles.
template <class Maker> void Drive(benchmark::State& state, Maker makeField) {
    const Bench::SimulationData data;
    MovingArmy army = makeField(static_cast<int>(state.range(0)));
    for (int i = 0; i < warmUpTicks; ++i)
        army.world->Tick(tickMs);

    std::vector<double> ticks;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        army.world->Tick(tickMs);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ticks.push_back(took.count() * 1000);
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["median_ms"] = ticks.empty() ? 0 : ticks[ticks.size() / 2];
    // Counted among the survivors: the battle's dead are gone from the world.
    int alive = 0;
    int moving = 0;
    int routed = 0;
    for (int side = 0; side < sideCount; ++side)
        for (const auto& [key, cell] : army.world->Objects(side, KindTank).Cells())
            for (const Object* object : cell) {
                const auto* tank = static_cast<const Tank*>(object);
                ++alive;
                moving += tank->brain->movedFlag ? 1 : 0;
                routed += tank->brain->Waypoints().empty() ? 0 : 1;
            }
    state.counters["tanks_left"] = alive;
    state.counters["moving"] = moving;
    state.counters["with_route"] = routed;
}

void TankMovement(benchmark::State& state) {
    Drive(state, FieldArmy);
}

void BattleAdvancing(benchmark::State& state) {
    Drive(state, FieldFacingArmies);
}

} // namespace

// 1500 ticks: 24 seconds of driving after the first.
BENCHMARK(TankMovement)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->Iterations(1500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BattleAdvancing)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->Iterations(1500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
