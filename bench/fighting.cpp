// Every tank fighting: two armies of N/2 heavy tanks in alternating ranks, each rank facing an enemy rank
// a little over a tank's length away on both sides, so from the first step every turret has a target in
// range, shells, rockets and grenades are in flight, tanks burn, die and break up, and those hit turn on
// their shooters. The skirmish benchmark mostly times tanks that drive; this one times the battle itself.
// One benchmark iteration is one World::Tick of 16 ms after two seconds of battle. Reported: the median
// tick by the wall clock and by this thread's processor time (and the latter's mean), the processor time
// per tank fielded, what is left and in flight at the end, and the state digest (the same size must
// always give the same digest).
#include "ai/TankBrain.h"
#include "bench/SimulationData.h"
#include "bench/TickTimes.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

using namespace Vorn;
using Vorn::Bench::Mean;
using Vorn::Bench::Median;
using Vorn::Bench::ThreadMs;

namespace {

constexpr unsigned tickMs = 16;
constexpr int warmUpTicks = 2000 / tickMs;
// Neighbours in a rank stand this far apart, and ranks too: well inside every weapon's engage range, and
// far enough apart that the tanks can turn and drive.
constexpr float spacing = 48;
constexpr float margin = 1000;
constexpr std::array<int, 2> armies = {2, 3};
// The fighting weapons, in turn along a rank, so every kind of bullet and blast is in the air.
constexpr std::array<TurretType, 7> weapons = {TurretType::Gun2,     TurretType::Razor2,  TurretType::Cannon2,
                                               TurretType::Rockets2, TurretType::Grenade, TurretType::Gauss,
                                               TurretType::RocketsL};

// Ranks alternate between the armies, so each army's N/2 tanks stand in contact with the other's; the
// whole forms a square about the map's centre.
std::unique_ptr<World> FieldArmies(int tankCount) {
    const int perRank = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(tankCount)))));
    const int ranks = (tankCount + perRank - 1) / perRank;
    const float side = static_cast<float>(std::max(perRank, ranks)) * spacing + 2 * margin;
    auto world = std::make_unique<World>(side, side, 1920, 1080);
    std::array<std::uint16_t, 2> serials{};
    for (int i = 0; i < tankCount; ++i) {
        const int rank = i / perRank;
        const int file = i % perRank;
        const int army = rank % 2;
        // Even ranks face up the map, odd ranks down, so every rank faces the enemy it would meet first.
        const float facing = army == 0 ? 0.0f : 180.0f;
        auto* tank =
            new Tank(world.get(), TankType::HeavyTank, armies[army], ++serials[army], ArmorType::HeavyArmor,
                     weapons[static_cast<std::size_t>(file + rank) % weapons.size()]);
        tank->x = (static_cast<float>(file) - static_cast<float>(perRank - 1) / 2) * spacing;
        tank->y = (static_cast<float>(rank) - static_cast<float>(ranks - 1) / 2) * spacing;
        tank->direction = facing;
        tank->turret->direction = facing;
        world->InsertObject(tank, KindTank);
        tank->brain->SetActive(true);
    }
    return world;
}

std::size_t TanksIn(World& world) {
    std::size_t tanks = 0;
    for (int side : armies)
        tanks += world.Objects(side, KindTank).Count();
    return tanks;
}

void Fighting(benchmark::State& state) {
    const Bench::SimulationData data;
    randomGenerator.Reseed(1);
    const int count = static_cast<int>(state.range(0));
    std::unique_ptr<World> world = FieldArmies(count);
    for (int i = 0; i < warmUpTicks; ++i)
        world->Tick(tickMs);

    std::vector<double> ticks;
    std::vector<double> cpuTicks;
    for (auto _ : state) {
        const double cpuStart = ThreadMs();
        const auto start = std::chrono::steady_clock::now();
        world->Tick(tickMs);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        cpuTicks.push_back(ThreadMs() - cpuStart);
        state.SetIterationTime(took.count());
        ticks.push_back(took.count() * 1000);
    }
    const double cpuMedian = Median(cpuTicks);
    state.counters["median_ms"] = Median(ticks);
    state.counters["cpu_median_ms"] = cpuMedian;
    state.counters["cpu_mean_ms"] = Mean(cpuTicks);
    state.counters["cpu_us_per_tank"] = cpuMedian * 1000 / static_cast<double>(count);
    state.counters["tanks_left"] = static_cast<double>(TanksIn(*world));
    state.counters["bullets"] = static_cast<double>(world->Bullets().Count());
    state.counters["effects"] =
        static_cast<double>(world->LowerEffects().Count() + world->UpperEffects().Count());
    state.SetLabel("digest " + DigestText(StateDigest(*world, nullptr)));
}

} // namespace

// 500 ticks: eight seconds of battle after the first two.
BENCHMARK(Fighting)->Arg(256)->Arg(1024)->Arg(4096)->Arg(16384)->Iterations(500)->UseManualTime()->Unit(
    benchmark::kMillisecond);

BENCHMARK_MAIN();
