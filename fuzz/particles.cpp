// Fuzzes particles.xml: every system the file describes is created by name and run through the calls
// the game makes on an effect (updates short and long, paused, moved, turned, ended) until it finishes or
// a bounded time has passed.
#include "fuzz/loader_input.h"
#include "visuals/ParticleSystem.h"
#include "visuals/ParticleSystemFactory.h"

#include <string>
#include <vector>

namespace {

using namespace Vorn;

// Enough systems and steps to reach every state; a file can name thousands of systems.
constexpr std::size_t maxSystems = 24;
constexpr int maxUpdates = 60;

void Run(ParticleSystem& system) {
    system.Update(1);
    system.Update(16);
    system.SetPaused(true);
    system.Update(16);
    system.SetPaused(false);
    system.Move(3.5f, -2.0f);
    system.SetDirection(90.0f);
    for (int update = 0; update < maxUpdates / 2 && !system.IsFinished(); ++update)
        system.Update(16);
    (void)system.IsEmitting();
    system.End();
    for (int update = 0; update < maxUpdates / 2 && !system.IsFinished(); ++update)
        system.Update(100);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParticleSystemFactory factory;
    factory.Load(loader_fuzz::Document(data, size));
    std::vector<std::string> names;
    for (const auto& [name, record] : factory.Systems())
        if (names.size() < maxSystems)
            names.push_back(name);
    names.push_back("NoSuchSystem");
    for (const std::string& name : names) {
        (void)factory.BehaviorOf(name);
        if (auto system = factory.CreateSystem(name))
            Run(*system);
    }
    factory.Release();
    return 0;
}
