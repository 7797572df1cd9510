// The game's own battle at scale: level0 with N skirmish tanks placed as the game places them (fields
// widened beyond 256 tanks, on a map grown to hold them), each skirmish tank then ordered to the mirror of
// its place across the centre line, so the armies drive into each other, fight, die and break up while the
// level's bases work on. One benchmark iteration is one World::Tick of 16 ms after two seconds of game
// time. Reported beside the mean: the median tick by the wall clock and by this thread's processor time
// (and the mean of the latter), the processor time per tank, and the state digest at the end (the same
// seed and size must always give the same digest).
#include "bench/SimulationData.h"
#include "bench/TickTimes.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/LevelObjects.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "world/Tank.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

using namespace Vorn;
using Vorn::Bench::Mean;
using Vorn::Bench::Median;
using Vorn::Bench::ThreadMs;

namespace {

constexpr unsigned tickMs = 16;
constexpr int warmUpTicks = 2000 / tickMs;

// Beyond 256 tanks the widened fields reach past level0's edges, where the game no longer places tanks;
// the map grows to hold them, so every size fields the tanks it names where they always stood.
Brisk::Node LevelHolding(int count) {
    Brisk::Node document = dataArchive.ReadDocument("levels/level0.xml");
    Brisk::Node* level = document.FindChild("level");
    const MapSize needed = MapHoldingSkirmish(count);
    for (const auto& [name, side] : {std::pair{"width", needed.width}, std::pair{"height", needed.height}})
        if (Brisk::Attribute* attribute = level ? level->FindAttribute(name) : nullptr)
            Brisk::SetFloat(*attribute, std::max(Brisk::ToFloat(*attribute), static_cast<double>(side)));
    return document;
}

// The skirmish tanks are the ones without a group letter; the level's own tanks keep their orders.
void SendAcross(World& world) {
    for (int side = 0; side < sideCount; ++side)
        for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
            for (Object* object : cell)
                if (auto* tank = static_cast<Tank*>(object); tank->letter == 0)
                    SendTank(*tank, -tank->x, tank->y);
}

std::size_t TanksIn(World& world) {
    std::size_t tanks = 0;
    for (int side = 0; side < sideCount; ++side)
        tanks += world.Objects(side, KindTank).Count();
    return tanks;
}

void Skirmish(benchmark::State& state) {
    const Bench::SimulationData data;
    randomGenerator.Reseed(1);
    const int count = static_cast<int>(state.range(0));
    Battle battle = StartBattle(LevelHolding(count), 1920, 1080, true, count);
    World& world = *battle.world;
    SendAcross(world);
    const std::size_t fielded = TanksIn(world);
    for (int i = 0; i < warmUpTicks; ++i)
        world.Tick(tickMs);

    std::vector<double> ticks;
    std::vector<double> cpuTicks;
    for (auto _ : state) {
        const double cpuStart = ThreadMs();
        const auto start = std::chrono::steady_clock::now();
        world.Tick(tickMs);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        cpuTicks.push_back(ThreadMs() - cpuStart);
        state.SetIterationTime(took.count());
        ticks.push_back(took.count() * 1000);
    }
    const double cpuMedian = Median(cpuTicks);
    state.counters["median_ms"] = Median(ticks);
    state.counters["cpu_median_ms"] = cpuMedian;
    state.counters["cpu_mean_ms"] = Mean(cpuTicks);
    state.counters["cpu_us_per_tank"] = fielded ? cpuMedian * 1000 / static_cast<double>(fielded) : 0;
    state.counters["fielded"] = static_cast<double>(fielded);
    state.counters["tanks_left"] = static_cast<double>(TanksIn(world));
    state.counters["bullets"] = static_cast<double>(world.Bullets().Count());
    state.counters["effects"] =
        static_cast<double>(world.LowerEffects().Count() + world.UpperEffects().Count());
    state.SetLabel("digest " + DigestText(StateDigest(world, battle.level)));
}

} // namespace

// 500 ticks: eight seconds of battle after the first two.
BENCHMARK(Skirmish)->Arg(256)->Arg(1024)->Arg(4096)->Arg(16384)->Iterations(500)->UseManualTime()->Unit(
    benchmark::kMillisecond);

BENCHMARK_MAIN();
