// The cost of ageing the fog and of one unit's sight clearing it, on a 16,384-unit square map.
#include "rules/FowData.h"
#include "world/FogOfWar.h"

#include <benchmark/benchmark.h>

using namespace Vorn;

namespace {
constexpr float halfMap = 8192;

Constants::FowData FogRecord(float granularity) {
    Constants::FowData record;
    record.granularity = granularity;
    record.beforeFadeBackTime = 10;
    record.fadeBackTime = 5;
    return record;
}

// Arguments: the grid spacing in units.
void FogUpdate(benchmark::State& state) {
    const Constants::FowData record = FogRecord(static_cast<float>(state.range(0)));
    FogOfWar fog(&record, halfMap, halfMap);
    fog.Reset(3);
    for (auto _ : state) {
        fog.Update(16);
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(fog.Columns()) * fog.Rows();
}

// Arguments: the grid spacing and the sight radius.
void RevealFog(benchmark::State& state) {
    const Constants::FowData record = FogRecord(static_cast<float>(state.range(0)));
    FogOfWar fog(&record, halfMap, halfMap);
    fog.Reset(3);
    const float radius = static_cast<float>(state.range(1));
    float x = -6000;
    for (auto _ : state) {
        fog.RevealFog(x, 1000, radius, 3);
        x = x > 6000 ? -6000 : x + 37;
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(FogUpdate)->Arg(32)->Arg(64)->Arg(128);
BENCHMARK(RevealFog)->Args({32, 600})->Args({64, 600})->Args({64, 1200})->Args({128, 600});

BENCHMARK_MAIN();
