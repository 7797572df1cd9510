// Fuzzes level files with the shipped rules and resources: the level is read, its events attached, and
// the game run for 200 steps of 16 ms, so the start event's objects are made and its requests and timers
// fire.
#include "game/Level.h"
#include "fuzz/loader_input.h"
#include "game/Battle.h"
#include "random/Random.h"
#include "world/World.h"

namespace {

constexpr int steps = 200;
constexpr unsigned stepMs = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool loaded = (loader_fuzz::LoadShippedRules(), true);
    (void)loaded;
    Vorn::randomGenerator.Reseed(1);
    Vorn::Battle battle = Vorn::StartBattle(loader_fuzz::Document(data, size), 1280, 720, false);
    for (int step = 0; step < steps && !battle.level->finished; ++step)
        battle.world->Tick(stepMs);
    battle.world.reset();
    return 0;
}
