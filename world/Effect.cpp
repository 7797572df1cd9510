// A particle system placed in the world: the base of every visual effect.
#include "world/Effect.h"

#include "visuals/ParticleSystemFactory.h"

#include <algorithm>
#include <stdexcept>

namespace Vorn {

namespace {
// Before the loading mode has built the factory every name is unknown.
std::unique_ptr<ParticleSystem> CreateParticleSystem(const std::string& systemName) {
    if (particleSystemFactory == nullptr)
        return nullptr;
    return particleSystemFactory->CreateSystem(systemName);
}
// How far the farthest particle of the system or any of its layers can travel: a layered explosion must
// not be hidden by the fog while its widest ring is still in sight.
float ReachOf(const ParticleSystem& system) {
    const ParticleBehavior& behavior = system.Behavior();
    float reach = behavior.particleSpeed * 0.001f * float(behavior.particleLifeTime);
    for (const auto& layer : system.Layers())
        reach = std::max(reach, ReachOf(*layer));
    return reach;
}

unsigned ShortestEmitTime(const ParticleSystem& system) {
    unsigned shortest = system.Behavior().emitTime;
    for (const auto& layer : system.Layers()) {
        const unsigned layerTime = ShortestEmitTime(*layer);
        if (layerTime != 0 && (shortest == 0 || layerTime < shortest))
            shortest = layerTime;
    }
    return shortest;
}
} // namespace

Effect::Effect() = default;

Effect::Effect(const std::string& systemName, float directionOffset, bool stepMode) : stepMode(stepMode) {
    system = CreateParticleSystem(systemName);
    if (!system)
        throw std::invalid_argument("Invalid particle system name.");
    system->AddDirection(directionOffset);
    size = ReachOf(*system);
}

Effect::~Effect() = default;

void Effect::Update(unsigned elapsedMs) {
    if (frozen || dormant)
        return;
    if (!stepMode)
        RunSystem(elapsedMs);
    else if (system)
        system->UpdateInSteps(elapsedMs);
    NoteLastRun();
}

// Read while the run has just brought the system and its layers in.
void Effect::NoteLastRun() {
    if (!system)
        return;
    dormant = paused && system->IsDormant();
    running = !system->IsFinished();
}

void Effect::ForgetLastRun() {
    dormant = false;
    running = false;
}

void Effect::RunSystem(unsigned elapsedMs) {
    if (system)
        system->Update(elapsedMs);
}

void Effect::SetDirection(float degrees) {
    if (system)
        system->SetDirection(degrees);
}

void Effect::MoveParticles(float dx, float dy) {
    if (system)
        system->Move(dx, dy);
}

void Effect::Pause() {
    SetPaused(true);
}

// Standing tanks pause their dust at every step. Only this sets the system's flag, so the system and its
// layers already hold an unchanged one, and leaving them untouched saves visiting thousands each tick.
void Effect::SetPaused(bool flag) {
    if (system && paused == flag)
        return;
    paused = flag;
    dormant = false;
    if (system)
        system->SetPaused(flag);
}

void Effect::End() {
    ended = true;
    ForgetLastRun();
    if (system)
        system->End();
}

bool Effect::IsFinished() const {
    if (running)
        return false;
    return system ? system->IsFinished() : ended;
}

bool Effect::IsEmitting() const {
    return system ? system->IsEmitting() : !ended && !paused;
}

void Effect::PrefetchSystem() const {
    if (system && !dormant)
        system->Prefetch();
}

void Effect::PrefetchParticles() const {
    if (system && !dormant)
        system->PrefetchParticles();
}

void Effect::PrefetchForFinishTest() const {
    if (system && !running)
        system->Prefetch();
}

unsigned Effect::EmitTime() const {
    return system ? ShortestEmitTime(*system) : 0;
}

} // namespace Vorn
