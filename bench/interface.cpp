// The interface's cost per frame without drawing: the minimap's painting phases and the info box's texts,
// over a skirmish-sized battle of 256 tanks and a few dozen buildings, all in sight.
#include "interface/Interface.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "rules/FowData.h"
#include "shell/Configuration.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace Vorn;

namespace {

struct Battle {
    Constants::FowData fow;
    std::unique_ptr<World> world;
    std::unique_ptr<Interface> ui;

    Battle() {
        std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
        Zelt::configuration.screenWidth = 1280;
        Zelt::configuration.screenHeight = 720;
        LoadTexts(textTable, dataArchive.ReadDocument("texts.xml"), "en");
        fow.granularity = 64;
        fow.beforeFadeBackTime = 10;
        fow.fadeBackTime = 5;
        world = std::make_unique<World>(8192.0f, 6144.0f, 1280u, 720u, &fow);
        world->fog.Reset(3);
        world->fog.RevealFog(0, 0, 8000, 3);
        for (int index = 0; index < 256; ++index)
            Place(static_cast<float>((index * 613) % 7000 - 3500),
                  static_cast<float>((index * 389) % 5000 - 2500), index % 8 == 0 ? 3 : 2, KindTank, 12);
        for (int index = 0; index < 40; ++index)
            Place(static_cast<float>(index * 150 - 3000), 2000, index % 2 == 0 ? 3 : 1, KindBuilding, 40);
        ui = std::make_unique<Interface>(world.get(), nullptr);
    }
    void Place(float x, float y, int side, ObjectKind kind, float size) {
        auto* object = new Object;
        object->x = x;
        object->y = y;
        object->side = side;
        object->size = size;
        world->InsertObject(object, kind);
    }
};

// One interface update: the panels, the overlay and one minimap phase, so five frames make a cycle.
void InterfaceUpdate(benchmark::State& state) {
    Battle battle;
    for (auto _ : state) {
        battle.ui->Update(16, PanelSwitches{});
        benchmark::ClobberMemory();
    }
}

// The heaviest phase: every tank of every side tested against the fog and painted.
void MinimapTankPhase(benchmark::State& state) {
    Battle battle;
    Minimap& minimap = battle.ui->GetMinimap();
    for (auto _ : state) {
        while (minimap.CurrentPhase() != Minimap::PaintTanks)
            minimap.Update();
        minimap.Update();
        benchmark::ClobberMemory();
    }
}

// The info box's texts for the empty selection, which counts the side's buildings every frame.
void InfoBoxEmptySelection(benchmark::State& state) {
    Battle battle;
    InfoBoxContent& content = battle.ui->GetInfoBox().Content();
    const std::vector<Object*> none;
    for (auto _ : state)
        benchmark::DoNotOptimize(content.Compose(*battle.world, battle.world->sides, none));
}

} // namespace

BENCHMARK(InterfaceUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(MinimapTankPhase)->Unit(benchmark::kMicrosecond);
BENCHMARK(InfoBoxEmptySelection)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
