// A particle system placed in the world: the base of every visual effect.
#include "world/Effect.h"

#include "graphics/ParticleSystemFactory.h"

#include <stdexcept>

namespace Vorn {

namespace {
// Before the loading mode has built the factory every name is unknown.
std::unique_ptr<ParticleSystem> CreateParticleSystem(const std::string& systemName) {
    if (particleSystemFactory == nullptr)
        return nullptr;
    return particleSystemFactory->CreateSystem(systemName);
}
} // namespace

Effect::Effect() = default;

Effect::Effect(const std::string& systemName, float directionOffset, bool stepMode) : stepMode(stepMode) {
    system = CreateParticleSystem(systemName);
    if (!system)
        throw std::invalid_argument("Invalid particle system name.");
    system->AddDirection(directionOffset);
    const ParticleBehavior& behavior = system->Behavior();
    size = behavior.particleSpeed * 0.001f * float(behavior.particleLifeTime);
}

Effect::~Effect() = default;

void Effect::Update(unsigned elapsedMs) {
    if (frozen)
        return;
    if (!stepMode) {
        RunSystem(elapsedMs);
        return;
    }
    for (unsigned step = 0; step < elapsedMs; ++step)
        RunSystem(1);
}

void Effect::RunSystem(unsigned elapsedMs) {
    if (system)
        system->Update(elapsedMs);
}

void Effect::Draw() {
    if (system)
        system->Draw();
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

void Effect::SetPaused(bool flag) {
    paused = flag;
    if (system)
        system->SetPaused(flag);
}

void Effect::End() {
    ended = true;
    if (system)
        system->End();
}

bool Effect::IsFinished() const {
    return system ? system->IsFinished() : ended;
}

bool Effect::IsEmitting() const {
    return system ? system->IsEmitting() : !ended && !paused;
}

unsigned Effect::EmitTime() const {
    return system ? system->Behavior().emitTime : 0;
}

} // namespace Vorn
