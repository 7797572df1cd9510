// A pitched battle: two facing armies of stationary, switched-on heavy tanks with the shipped rules, the
// front ranks in range of each other, so shells fly, blasts push, tanks die and wrecks break up. One
// benchmark iteration is one World::Tick of 16 ms; the first second of game time is run before timing
// starts, and the median tick is reported beside the mean.
#include "ai/TankBrain.h"
#include "bench/SimulationData.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

using namespace Vorn;

namespace {

constexpr unsigned tickMs = 16;
constexpr int warmUpTicks = 1000 / tickMs + 1;
// Tanks stand this far apart within an army, and the two front ranks this far apart.
constexpr float spacing = 45;
constexpr float frontGap = 220;
constexpr int ranksDeep = 4;

std::unique_ptr<World> FieldArmies(int tankCount) {
    const int perSide = tankCount / 2;
    const int files = (perSide + ranksDeep - 1) / ranksDeep;
    const float width = 2 * (ranksDeep * spacing + frontGap) + 2000;
    const float height = files * spacing + 2000;
    auto world = std::make_unique<World>(width, height, 1920, 1080);
    for (int side : {2, 3}) {
        const float facing = side == 2 ? 90.0f : -90.0f;
        const float away = side == 2 ? -1.0f : 1.0f;
        for (int i = 0; i < perSide; ++i) {
            auto* tank = new Tank(world.get(), TankType::HeavyTank, side, static_cast<std::uint16_t>(i + 1),
                                  ArmorType::NoArmor, TurretType::Cannon2);
            tank->x = away * (frontGap / 2 + static_cast<float>(i % ranksDeep) * spacing);
            tank->y = (static_cast<float>(i / ranksDeep) - files / 2.0f) * spacing;
            tank->direction = facing;
            tank->turret->direction = facing;
            world->InsertObject(tank, KindTank);
            tank->brain->SetActive(true);
        }
    }
    return world;
}

void Battle(benchmark::State& state) {
    const Bench::SimulationData data;
    std::unique_ptr<World> world = FieldArmies(static_cast<int>(state.range(0)));
    for (int i = 0; i < warmUpTicks; ++i)
        world->Tick(tickMs);

    std::vector<double> ticks;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        world->Tick(tickMs);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ticks.push_back(took.count() * 1000);
    }
    std::sort(ticks.begin(), ticks.end());
    state.counters["median_ms"] = ticks.empty() ? 0 : ticks[ticks.size() / 2];
    state.counters["tanks_left"] =
        static_cast<double>(world->Objects(2, KindTank).Count() + world->Objects(3, KindTank).Count());
    state.counters["bullets"] = static_cast<double>(world->Bullets().Count());
    state.counters["effects"] =
        static_cast<double>(world->LowerEffects().Count() + world->UpperEffects().Count());
}

} // namespace

// 1500 ticks: 24 seconds of battle after the first, long enough for the front ranks to die.
BENCHMARK(Battle)->Arg(256)->Arg(1024)->Arg(4096)->Iterations(1500)->UseManualTime()->Unit(
    benchmark::kMillisecond);

BENCHMARK_MAIN();
