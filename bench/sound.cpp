// What sound costs. PrepareSounds: reading "sounds.xml" and rendering every sound, which the game does once
// at start. SoundInSkirmish: the sound player over the 256-tank skirmish of bench/skirmish.cpp fighting,
// one iteration per 16 ms frame: the step's events heard and the frame's voices set, on an output that
// only counts (the player's own cost) or on the mixer with SDL's "dummy" driver, paced to the wall clock
// so the audio thread mixes as it would in the game (reported beside it: the audio thread's mixing time
// per frame), with the events the world reports.
// SoundInHeavyFire: the same with a storm of made-up events every frame, the worst case.
#include "bench/SimulationData.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/LevelObjects.h"
#include "game/SkirmishForces.h"
#include "platform/AudioMixer.h"
#include "random/Random.h"
#include "sound/MixerOutput.h"
#include "sound/SoundPlayer.h"
#include "world/Bullet.h"
#include "world/Tank.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <thread>

using namespace Vorn;

namespace {

constexpr unsigned frameMs = 16;
constexpr int warmUpTicks = 2000 / frameMs;

SoundCatalogue ShippedCatalogue() {
    return ReadSoundCatalogue(dataArchive.ReadDocument(soundsFileName));
}

SoundBank::FileReader NoFiles() {
    return [](const std::string&) { return std::nullopt; };
}

void PrepareSounds(benchmark::State& state) {
    std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
    for (auto _ : state) {
        const SoundBank bank(ShippedCatalogue(), NoFiles());
        benchmark::DoNotOptimize(bank.SoundCount());
    }
}

class CountingOutput : public SoundOutput {
public:
    int VoiceCount() const override { return 32; }
    int AddSound(std::span<const float>) override { return sounds++; }
    bool Start(int voice, int, float, float) override {
        playing[voice] = frameMs * 20;
        return true;
    }
    void Change(int, float, float) override {}
    void Stop(int voice) override { playing.erase(voice); }
    bool IsPlaying(int voice) const override { return playing.contains(voice); }
    // Every voice ends after a few frames, as short sounds do.
    void Age() {
        for (auto it = playing.begin(); it != playing.end();)
            it = (it->second -= frameMs) <= 0 ? playing.erase(it) : std::next(it);
    }

private:
    int sounds = 0;
    std::map<int, int> playing;
};

void SendAcross(World& world) {
    for (int side = 0; side < sideCount; ++side)
        for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
            for (Object* object : cell)
                if (auto* tank = static_cast<Tank*>(object); tank->letter == 0)
                    SendTank(*tank, -tank->x, tank->y);
}

// The view over the middle of the battle, zoomed out to see most of it.
SoundListener BattleView() {
    SoundListener listener;
    listener.pixelsPerUnit = 0.5f;
    listener.halfWidth = 960;
    listener.halfHeight = 540;
    return listener;
}

// The audio thread's mixing time per frame since `before`, then the mixer closed for the next benchmark.
void ReportMixingAndClose(benchmark::State& state, SoundPlayer& player, const platform::MixerLoad& before) {
    const platform::MixerLoad after = platform::MeasuredMixerLoad();
    const double mixedFrames = static_cast<double>(after.framesMixed - before.framesMixed) * 1000.0 /
                               platform::mixerSampleRate / frameMs;
    state.counters["mix_ms_per_frame"] = mixedFrames > 0 ? (after.busyMs - before.busyMs) / mixedFrames : 0;
    player.StopAll();
    platform::CloseMixer();
}

void SoundInSkirmish(benchmark::State& state) {
    const bool onMixer = state.range(0) != 0;
    const Bench::SimulationData data;
    std::string reason;
    if (onMixer && !platform::OpenMixer({32, "dummy"}, reason)) {
        state.SkipWithError(("no mixer: " + reason).c_str());
        return;
    }
    randomGenerator.Reseed(1);
    Battle battle =
        StartBattle(dataArchive.ReadDocument("levels/level0.xml"), 1920, 1080, true, 256);
    World& world = *battle.world;
    SendAcross(world);
    for (int i = 0; i < warmUpTicks; ++i) {
        world.Tick(frameMs);
    }
    const SoundBank bank(ShippedCatalogue(), NoFiles());
    CountingOutput counting;
    MixerOutput mixer;
    SoundPlayer player(bank, onMixer ? static_cast<SoundOutput&>(mixer) : counting);
    const auto visible = [&](float x, float y) { return world.fog.IsVisible(x, y, 0); };
    world.fog.RevealFog(0, 0, 20000, world.sides.playerSide);
    const platform::MixerLoad before = platform::MeasuredMixerLoad();
    std::size_t events = 0;
    for (auto _ : state) {
        const auto frameStart = std::chrono::steady_clock::now();
        state.PauseTiming();
        world.Tick(frameMs);
        const WorldEvents& stepEvents = world.StepEvents();
        events += stepEvents.size();
        counting.Age();
        state.ResumeTiming();
        player.HearEvents(stepEvents, world.sides.playerSide, visible);
        player.Frame(BattleView(), SoundVolumes{}, frameMs);
        if (onMixer) {
            state.PauseTiming();
            std::this_thread::sleep_until(frameStart + std::chrono::milliseconds(frameMs));
            state.ResumeTiming();
        }
    }
    state.counters["events_per_frame"] =
        static_cast<double>(events) / static_cast<double>(state.iterations());
    state.counters["voices"] = static_cast<double>(player.Voices().size());
    if (onMixer)
        ReportMixingAndClose(state, player, before);
}

// Far more than any battle yet raises: 500 shots of every turret kind, 40 impacts and 8 explosions in every
// frame, strewn over and around the view; the player's cost in the worst case, and the mixer's with all
// its voices busy.
WorldEvents HeavyFire(int frame) {
    WorldEvents events;
    const auto place = [&](int index) {
        const int spread = (index * 7919 + frame * 104729) % 4000;
        return std::pair{static_cast<float>(spread - 2000), static_cast<float>((spread * 31) % 2400 - 1200)};
    };
    for (int shot = 0; shot < 500; ++shot) {
        const auto [x, y] = place(shot);
        events.push_back({WorldEventKind::Shot, 1 + shot % 3, x, y, shot % turretTypeCount});
    }
    for (int impact = 0; impact < 40; ++impact) {
        const auto [x, y] = place(impact + 500);
        events.push_back({WorldEventKind::Impact, 2, x, y, impact % 3});
    }
    for (int explosion = 0; explosion < 8; ++explosion) {
        const auto [x, y] = place(explosion + 540);
        events.push_back({WorldEventKind::Explosion, 2, x, y, explosion % explosionTypeCount});
    }
    return events;
}

void SoundInHeavyFire(benchmark::State& state) {
    const bool onMixer = state.range(0) != 0;
    std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
    std::string reason;
    if (onMixer && !platform::OpenMixer({32, "dummy"}, reason)) {
        state.SkipWithError(("no mixer: " + reason).c_str());
        return;
    }
    const SoundBank bank(ShippedCatalogue(), NoFiles());
    CountingOutput counting;
    MixerOutput mixer;
    SoundPlayer player(bank, onMixer ? static_cast<SoundOutput&>(mixer) : counting);
    const auto visible = [](float, float) { return true; };
    const platform::MixerLoad before = platform::MeasuredMixerLoad();
    int frame = 0;
    for (auto _ : state) {
        const auto frameStart = std::chrono::steady_clock::now();
        state.PauseTiming();
        const WorldEvents events = HeavyFire(frame++);
        counting.Age();
        state.ResumeTiming();
        player.HearEvents(events, 3, visible);
        player.Frame(BattleView(), SoundVolumes{}, frameMs);
        if (onMixer) {
            state.PauseTiming();
            std::this_thread::sleep_until(frameStart + std::chrono::milliseconds(frameMs));
            state.ResumeTiming();
        }
    }
    state.counters["voices"] = static_cast<double>(player.Voices().size());
    state.counters["limiter"] = player.LimiterGain();
    if (onMixer)
        ReportMixingAndClose(state, player, before);
}

} // namespace

BENCHMARK(PrepareSounds)->Unit(benchmark::kMillisecond)->Iterations(5);
// 0: the player alone; 1: on the mixer. 500 frames: eight seconds of battle after the first two.
BENCHMARK(SoundInSkirmish)->Arg(0)->Arg(1)->Iterations(500)->Unit(benchmark::kMillisecond);
BENCHMARK(SoundInHeavyFire)->Arg(0)->Arg(1)->Iterations(300)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
