// Saving and loading the skirmish in the middle of a battle: level0 with N skirmish tanks fielded as the
// game fields them, played for a number of game seconds in 16 ms steps, then saved (the file written to
// memory) and loaded (read and the battle built again to the saved digest), from the battle's state and,
// as a save without one loads, by running its journal. Reported beside the times: the file's size, the
// state's size before it is compressed and the tanks on the map when it was saved. Loading from the state
// costs what the battle holds; running the journal, what the steps played so far cost.
#include "bench/SimulationData.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/BattleState.h"
#include "game/SavedBattle.h"
#include "random/Random.h"
#include "save/SaveFile.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace Vorn;

namespace {

constexpr unsigned stepMs = 16;
const char* const levelName = "levels/level0.xml";

struct PlayedBattle {
    Battle battle;
    BattleSetup setup;
    StepLengths steps;
};

PlayedBattle PlayFor(int tanks, int seconds) {
    randomGenerator.Reseed(5);
    PlayedBattle played;
    played.setup = TakeBattleSetup(levelName, true, tanks);
    played.battle = StartBattle(dataArchive.ReadDocument(levelName), 1280, 720, true, tanks);
    for (unsigned ms = 0; ms < static_cast<unsigned>(seconds) * 1000; ms += stepMs) {
        StepSimulation(*played.battle.world, *played.battle.commands, stepMs);
        played.steps.Add(stepMs);
    }
    return played;
}

double TanksOnTheMap(World& world) {
    std::size_t tanks = 0;
    for (int side = 0; side < sideCount; ++side)
        tanks += world.Objects(side, KindTank).Count();
    return static_cast<double>(tanks);
}

void Save(benchmark::State& state) {
    Bench::SimulationData data;
    PlayedBattle played = PlayFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::string bytes;
    for (auto _ : state) {
        bytes = SaveBytes(SaveOfBattle(played.setup, played.steps, played.battle));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["file_kb"] = static_cast<double>(bytes.size()) / 1024.0;
    state.counters["state_kb"] =
        static_cast<double>(SaveOfBattle(played.setup, played.steps, played.battle).state.size()) / 1024.0;
    state.counters["tanks"] = TanksOnTheMap(*played.battle.world);
}

// `fromState` false drops the state before loading, so the journal is run as for a save of format 1.
void LoadSave(benchmark::State& state, bool fromState) {
    Bench::SimulationData data;
    std::string bytes;
    {
        PlayedBattle played = PlayFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        bytes = SaveBytes(SaveOfBattle(played.setup, played.steps, played.battle));
    }
    for (auto _ : state) {
        SavedGame saved;
        std::string fault;
        PlayedBattle loaded;
        const bool read = ParseSave(bytes, "bench.save", saved, fault);
        if (!fromState)
            saved.state.clear();
        if (!read || !RestoreBattle(saved, 1280, 720, loaded.battle, loaded.setup, loaded.steps, fault)) {
            state.SkipWithError(fault.c_str());
            return;
        }
        benchmark::DoNotOptimize(loaded.battle.world.get());
    }
    state.counters["file_kb"] = static_cast<double>(bytes.size()) / 1024.0;
}

void Load(benchmark::State& state) {
    LoadSave(state, true);
}

void LoadJournal(benchmark::State& state) {
    LoadSave(state, false);
}

// The battle's state alone, as a save would hold it beside the journal: written, and read into a new
// battle without running a step. Reported beside the times: its size.
void WriteState(benchmark::State& state) {
    Bench::SimulationData data;
    PlayedBattle played = PlayFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::string bytes;
    for (auto _ : state) {
        bytes = WriteBattleState(played.battle);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["state_kb"] = static_cast<double>(bytes.size()) / 1024.0;
    state.counters["tanks"] = TanksOnTheMap(*played.battle.world);
}

void ReadState(benchmark::State& state) {
    Bench::SimulationData data;
    const std::string bytes =
        WriteBattleState(PlayFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))).battle);
    for (auto _ : state) {
        Battle loaded;
        std::string fault;
        if (!ReadBattleState(bytes, dataArchive.ReadDocument(levelName), 1280, 720, loaded, fault)) {
            state.SkipWithError(fault.c_str());
            return;
        }
        benchmark::DoNotOptimize(loaded.world.get());
    }
    state.counters["state_kb"] = static_cast<double>(bytes.size()) / 1024.0;
}

} // namespace

// Tanks, game seconds before the save: the 256-tank skirmish five minutes in is in the middle of its
// battle; 4,096 tanks asked for (fewer fit the map) a minute in.
BENCHMARK(Save)->Args({256, 300})->Args({4096, 60})->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Args({256, 300})->Args({4096, 60})->Unit(benchmark::kMillisecond);
// Running the journal grows with the game time saved.
BENCHMARK(LoadJournal)->Args({256, 300})->Args({4096, 60})->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(WriteState)->Args({256, 300})->Args({4096, 60})->Unit(benchmark::kMillisecond);
BENCHMARK(ReadState)->Args({256, 300})->Args({4096, 60})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
