// How the world's spatial queries scale with the number of tanks at a constant density.
#include "world/Armor.h"
#include "random/Random.h"
#include "world/Tank.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace Vorn;

namespace {
// One tank per 128 x 128 units, about the spacing of a crowded battle; the map grows with the count.
constexpr float areaPerTank = 128.0f * 128.0f;

struct Battlefield {
    explicit Battlefield(int tankCount)
        : side(std::sqrt(tankCount * areaPerTank)), world(side, side, 1920, 1080) {
        Random random;
        for (int i = 0; i < tankCount; ++i) {
            auto* tank = new Tank(nullptr, TankType::MediumTank, 2 + i % 2, 0, ArmorType::NoArmor, TurretType::Gun1);
            tank->x = (static_cast<float>(random.Next()) - 0.5f) * side;
            tank->y = (static_cast<float>(random.Next()) - 0.5f) * side;
            tank->size = 12;
            tank->armor = std::make_unique<Armor>(ArmorType::NoArmor, 100);
            world.InsertObject(tank, KindTank);
        }
        // Queries come in the order the tick walks the tanks, side by side and cell by cell.
        for (int side : {2, 3})
            for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
                for (Object* object : cell)
                    tanks.push_back(static_cast<Tank*>(object));
    }

    // Cycles through the tanks so every query asks around a different one.
    Tank* Next() { return tanks[cursor++ % tanks.size()]; }

    float side;
    World world;
    std::vector<Tank*> tanks;
    std::size_t cursor = 0;
};

void QueryRange(benchmark::State& state) {
    Battlefield field(static_cast<int>(state.range(0)));
    std::size_t found = 0;
    for (auto _ : state) {
        const Tank* tank = field.Next();
        found += field.world.Objects(tank->side, KindTank).QueryRange(tank->x, tank->y, 256).size();
    }
    // Near the edge of a small map a query touches fewer cells: this shows how much of the growth that is.
    state.counters["found"] =
        benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

void FindNearestEnemy(benchmark::State& state) {
    Battlefield field(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Tank* tank = field.Next();
        benchmark::DoNotOptimize(field.world.FindNearestEnemy(tank->x, tank->y, 600, tank->side));
    }
}

void CanMoveTo(benchmark::State& state) {
    Battlefield field(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Tank* tank = field.Next();
        benchmark::DoNotOptimize(field.world.CanMoveTo(tank, tank->x + 3, tank->y + 3, tank->size));
    }
}

void IsPlaceFree(benchmark::State& state) {
    Battlefield field(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Tank* tank = field.Next();
        benchmark::DoNotOptimize(field.world.IsPlaceFree(tank->x + 40, tank->y, 32, nullptr));
    }
}

void ContainsNear(benchmark::State& state) {
    Battlefield field(static_cast<int>(state.range(0)));
    std::vector<ObjectRef> targets;
    for (Tank* tank : field.tanks)
        targets.emplace_back(tank);
    std::size_t cursor = 0;
    for (auto _ : state) {
        const ObjectRef& target = targets[cursor++ % targets.size()];
        const Object* tank = target.Get();
        benchmark::DoNotOptimize(field.world.ContainsNear(tank->x, tank->y, 64, target));
    }
}
} // namespace

BENCHMARK(QueryRange)->RangeMultiplier(4)->Range(256, 16384);
BENCHMARK(FindNearestEnemy)->RangeMultiplier(4)->Range(256, 16384);
BENCHMARK(CanMoveTo)->RangeMultiplier(4)->Range(256, 16384);
BENCHMARK(IsPlaceFree)->RangeMultiplier(4)->Range(256, 16384);
BENCHMARK(ContainsNear)->RangeMultiplier(4)->Range(256, 16384);

BENCHMARK_MAIN();
