// The cost of updating and drawing 10,000 live particles: headless updates, and drawing in a real window.
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/Node.h"
#include "graphics/ParticleDrawing.h"
#include "graphics/TextureStore.h"
#include "platform/Window.h"
#include "random/Random.h"
#include "shell/RenderContext.h"
#include "visuals/ParticleSystemFactory.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// `count` particles emitted in one round that keep flying, slowing, fading and turning; `size` is the half
// side at the start, growing to three times as much.
std::string Document(int count, int size) {
    return R"(<behavior><Cloud>
        <life_time value="1"/> <emit_time value="1"/> <emit_number value=")" +
           std::to_string(count) + R"("/> <source_radius value="200"/>
        <particle_life_time value="2000000000"/> <particle_move_time value="2000000000"/>
        <particle_speed value="5"/> <particle_motion_slow_down value="1"/>
        <particle_fade_in_end value="10"/>
      </Cloud></behavior>
      <system><Cloud><behavior value="Cloud"/> <texture value="smoke"/> <color value="smoke"/>
        <particle_size value=")" +
           std::to_string(size) + R"("/> <particle_size_end value=")" + std::to_string(3 * size) + R"("/>
        <rotation_speed value="90"/>
        <scatter_angle value="360"/></Cloud></system>)";
}

// Systems with 10,000 particles in all: `systems` systems of 10,000 / `systems` particles each.
struct Particles {
    explicit Particles(int systems, int size = 4) {
        Brisk::Node document;
        const std::string text = Document(10000 / systems, size);
        document.LoadText(text.c_str());
        factory.Load(document);
        for (int i = 0; i < systems; ++i) {
            running.push_back(factory.CreateSystem("Cloud"));
            running.back()->Update(1);
        }
    }
    void Update() {
        for (auto& system : running) {
            system->Update(16);
        }
    }
    std::size_t LiveCount() const {
        std::size_t count = 0;
        for (const auto& system : running) {
            count += system->Particles().size();
        }
        return count;
    }
    void Draw() {
        for (auto& system : running) {
            DrawParticleSystem(*system);
        }
    }

    Vorn::ParticleSystemFactory factory;
    std::vector<std::unique_ptr<Vorn::ParticleSystem>> running;
};

// A 1024 x 768 window with the game's context, textures and blending, or null without a display.
struct GlWindow {
    GlWindow() {
        platform::WindowStyle style;
        style.title = "Sector Clash particle benchmark";
        style.width = 1024;
        style.height = 768;
        window = platform::Window::Create(style,
                                          [](platform::Window&, std::uint32_t, platform::WParam,
                                             platform::LParam) -> platform::LParam { return 0; });
        if (!window) {
            return;
        }
        context = Zelt::RenderContext::Create(*window);
        if (context == nullptr) {
            return;
        }
        context->Resize(1024, 768);
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
        Vorn::textureStore.Load(dataArchive.ReadDocument("textures.xml"));
        Vorn::textureStore.Create();
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    ~GlWindow() {
        Vorn::textureStore.Release();
        Zelt::RenderContext::Destroy(context);
    }
    bool Ok() const { return context != nullptr; }

    // One frame: clear, draw around the window's centre, wait for the driver to finish.
    void Frame(Particles& particles) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(512, 384, 0);
        particles.Draw();
        glFinish();
    }

    std::unique_ptr<platform::Window> window;
    Zelt::RenderContext* context = nullptr;
};

GlWindow& SharedWindow() {
    static GlWindow window;
    return window;
}

// Argument: the number of systems sharing the 10,000 particles.
void UpdateHeadless(benchmark::State& state) {
    Particles particles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        particles.Update();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
    state.counters["live"] = static_cast<double>(particles.LiveCount());
}

// Arguments: systems, the particles' starting half side, and 1 to batch the quads or 0 to draw each under
// its own matrix.
void DrawOnly(benchmark::State& state) {
    GlWindow& window = SharedWindow();
    if (!window.Ok()) {
        state.SkipWithError("no GL display (run under Xvfb)");
        return;
    }
    Particles particles(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Vorn::particleBatchDrawing = state.range(2) != 0;
    for (auto _ : state) {
        window.Frame(particles);
    }
    Vorn::particleBatchDrawing = true;
    state.SetItemsProcessed(state.iterations() * 10000);
}

void UpdateAndDraw(benchmark::State& state) {
    GlWindow& window = SharedWindow();
    if (!window.Ok()) {
        state.SkipWithError("no GL display (run under Xvfb)");
        return;
    }
    Particles particles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        particles.Update();
        window.Frame(particles);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

} // namespace

BENCHMARK(UpdateHeadless)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawOnly)
    ->Args({1, 4, 1})
    ->Args({100, 4, 1})
    ->Args({1, 4, 0})
    ->Args({1, 1, 1})
    ->Args({1, 1, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(UpdateAndDraw)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The data files are read relative to the source tree, as the game reads them beside its folder.
    std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
    Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
