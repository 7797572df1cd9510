// What the computer opponents' thinking costs: the two-side level played by two hard commanders for
// fifteen game minutes in 16 ms steps, each step's thinking (every commander's Think before the step)
// timed by this thread's processor time apart from the step itself. Reported: the mean and the largest
// thinking per step, the mean step without it, the commands issued and the state digest at the end (the
// same seed must always give the same digest).
#include "bench/SimulationData.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

using namespace Vorn;

namespace {

constexpr unsigned stepMs = 16;
constexpr unsigned gameSteps = 15 * 60 * 1000 / stepMs;

double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

void CommanderThinking(benchmark::State& state) {
    const Bench::SimulationData data;
    for (auto _ : state) {
        randomGenerator.Reseed(static_cast<std::uint32_t>(state.range(0)));
        Battle battle = StartBattle(dataArchive.ReadDocument("levels/level3.xml"), 1920, 1080, false);
        battle.commanders->Start(1, "hard");
        battle.commanders->Start(3, "hard");
        double thinking = 0;
        double largest = 0;
        double stepping = 0;
        // The level calls a commander for Red, which already has its hard one.
        battle.level->commanderCalls.clear();
        for (unsigned step = 0; step < gameSteps && !battle.level->finished; ++step) {
            const double start = ThreadMs();
            battle.commanders->Think(*battle.world, *battle.commands);
            const double thought = ThreadMs();
            StepSimulation(*battle.world, *battle.commands, stepMs);
            const double stepped = ThreadMs();
            thinking += thought - start;
            largest = std::max(largest, thought - start);
            stepping += stepped - thought;
        }
        const auto steps = static_cast<double>(battle.commands->NextStep());
        state.counters["think_mean_ms"] = thinking / steps;
        state.counters["think_max_ms"] = largest;
        state.counters["step_mean_ms"] = stepping / steps;
        state.counters["commands"] = static_cast<double>(battle.commands->Applied().size());
        state.SetLabel("digest " + DigestText(StateDigest(*battle.world, battle.level)));
    }
}

} // namespace

BENCHMARK(CommanderThinking)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
