// The interface's cost per frame over a skirmish-sized battle of 256 tanks and a few dozen buildings, all in
// sight: its update, the minimap's heaviest painting phase, the info box's texts, and (with a display) a
// whole update and draw at 1280 x 720.
#include "interface/Interface.h"
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "visuals/DrawingStore.h"
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"
#include "platform/Window.h"
#include "rules/FowData.h"
#include "shell/Configuration.h"
#include "shell/RenderContext.h"
#include "world/World.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace Vorn;

namespace {

struct Battle {
    Constants::FowData fow;
    std::unique_ptr<World> world;
    CommandQueue commands;
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
        ui = std::make_unique<Interface>(world.get(), nullptr, commands);
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

// A frame's interface work as the game does it: update, then draw, finished on the GPU.
void InterfaceFrame(benchmark::State& state) {
    platform::WindowStyle style;
    style.title = "Sector Clash benchmark";
    style.width = 1280;
    style.height = 720;
    auto window = platform::Window::Create(style,
                                           [](platform::Window&, std::uint32_t, platform::WParam,
                                              platform::LParam) -> platform::LParam { return 0; });
    Zelt::RenderContext* context = window ? Zelt::RenderContext::Create(*window) : nullptr;
    if (context == nullptr) {
        state.SkipWithError("needs a display");
        return;
    }
    context->Resize(1280, 720);
    std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
    LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    fontStore.Load(dataArchive.ReadDocument(FontNames::fontsFile));
    fontStore.OpenInstaller(FontNames::fontsDirectory);
    for (const std::string& family : fontStore.Families())
        fontStore.EnsureFamily(family);
    fontStore.Create();
    drawingStore.Load();
    {
        Battle battle;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        // Argument: which panel is switched off (0 none, 1 the main panel, 2 the minimap, 3 the info box).
        const PanelSwitches switches{state.range(0) == 1, state.range(0) == 2, state.range(0) == 3};
        for (int frame = 0; frame < 30; ++frame)
            battle.ui->Update(16, switches);
        for (auto _ : state) {
            battle.ui->Update(16, switches);
            battle.ui->Draw(battle.world->sides);
            glFinish();
        }
    }
    drawingStore.Release();
    fontStore.Release();
    fontStore.ReleaseInstaller();
    Zelt::RenderContext::Destroy(context);
}

} // namespace

BENCHMARK(InterfaceFrame)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(InterfaceUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(MinimapTankPhase)->Unit(benchmark::kMicrosecond);
BENCHMARK(InfoBoxEmptySelection)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
