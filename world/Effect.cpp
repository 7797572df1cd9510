// A particle system placed in the world: the base of every visual effect.
#include "world/Effect.h"

#include "visuals/ParticleSystemFactory.h"
#include "visuals/EffectPool.h"

#include <algorithm>
#include <new>
#include <optional>
#include <stdexcept>

namespace Vorn {

namespace {
// Before the loading mode has built the factory every name is unknown.
std::optional<ParticleSystem> MakeParticleSystem(const std::string& systemName) {
    if (particleSystemFactory == nullptr)
        return std::nullopt;
    return particleSystemFactory->MakeSystem(systemName);
}
// How far the farthest particle of the system or any of its layers can travel: a layered explosion must
// not be hidden by the fog while its widest ring is still in sight.
float ReachOf(const ParticleSystem& system) {
    const ParticleBehavior& behavior = system.Behavior();
    float reach = behavior.particleSpeed * 0.001f * float(behavior.particleLifeTime);
    for (const ParticleSystem& layer : system.Layers())
        reach = std::max(reach, ReachOf(layer));
    return reach;
}

unsigned ShortestEmitTime(const ParticleSystem& system) {
    unsigned shortest = system.Behavior().emitTime;
    for (const ParticleSystem& layer : system.Layers()) {
        const unsigned layerTime = ShortestEmitTime(layer);
        if (layerTime != 0 && (shortest == 0 || layerTime < shortest))
            shortest = layerTime;
    }
    return shortest;
}
} // namespace

static_assert(sizeof(Effect) == 2 * EffectPool::lineBytes, "an effect and its system in two cache lines");

void* Effect::operator new(std::size_t bytes) {
    return TheEffectPool().Allocate(bytes);
}

void Effect::operator delete(void* effect, std::size_t bytes) {
    TheEffectPool().Release(effect, bytes);
}

Effect::Effect() = default;

Effect::Effect(const std::string& systemName, float directionOffset, bool stepMode) : stepMode(stepMode) {
    std::optional<ParticleSystem> made = MakeParticleSystem(systemName);
    if (!made)
        throw std::invalid_argument("Invalid particle system name.");
    new (&storage.system) ParticleSystem(std::move(*made));
    hasSystem = true;
    storage.system.AddDirection(directionOffset);
    size = ReachOf(storage.system);
}

Effect::~Effect() {
    if (notedAsFinishing) {
        std::vector<Effect*>& noted = NotedAsFinishing();
        if (const auto entry = std::find(noted.begin(), noted.end(), this); entry != noted.end())
            noted.erase(entry);
    }
    if (hasSystem)
        storage.system.~ParticleSystem();
}

void Effect::Update(unsigned elapsedMs) {
    if (frozen || dormant)
        return;
    if (!stepMode)
        RunSystem(elapsedMs);
    else if (hasSystem)
        storage.system.UpdateInSteps(elapsedMs);
    NoteLastRun();
}

// Read while the run has just brought the system and its layers in.
void Effect::NoteLastRun() {
    if (!hasSystem)
        return;
    dormant = paused && storage.system.IsDormant();
    running = !storage.system.IsFinished();
}

void Effect::ForgetLastRun() {
    dormant = false;
    running = false;
}

void Effect::RunSystem(unsigned elapsedMs) {
    if (hasSystem)
        storage.system.Update(elapsedMs);
}

void Effect::SetDirection(float degrees) {
    if (hasSystem)
        storage.system.SetDirection(degrees);
}

void Effect::MoveParticles(float dx, float dy) {
    if (hasSystem)
        storage.system.Move(dx, dy);
}

void Effect::Pause() {
    SetPaused(true);
}

// Only this sets the system's flag, so while the effect's own flag is unchanged the system and its layers
// hold it already and need no visit.
void Effect::SetPaused(bool flag) {
    if (hasSystem && paused == flag)
        return;
    paused = flag;
    dormant = false;
    if (hasSystem)
        storage.system.SetPaused(flag);
}

// An owner letting go ends the effect before dropping its hold, so it is noted while still held: the
// world tests the hold when it removes.
void Effect::End() {
    ended = true;
    ForgetLastRun();
    if (hasSystem)
        storage.system.End();
    if (IsFinished())
        NoteAsFinishing();
}

bool Effect::IsFinished() const {
    if (running)
        return false;
    return hasSystem ? storage.system.IsFinished() : ended;
}

bool Effect::IsEmitting() const {
    return hasSystem ? storage.system.IsEmitting() : !ended && !paused;
}

// Kept per thread: a world ticks on one thread, and ends and places its effects from there.
std::vector<Effect*>& Effect::NotedAsFinishing() {
    thread_local std::vector<Effect*> noted;
    return noted;
}

void Effect::NoteAsFinishing() {
    if (notedAsFinishing)
        return;
    notedAsFinishing = true;
    NotedAsFinishing().push_back(this);
}

void Effect::TakeNotedAsFinishing(std::vector<Effect*>& into) {
    into.clear();
    into.swap(NotedAsFinishing());
    for (Effect* effect : into)
        effect->notedAsFinishing = false;
}

void Effect::PrefetchParticles() const {
    if (hasSystem && !dormant)
        storage.system.PrefetchParticles();
}

void Effect::PrefetchLayerParticles() const {
    if (hasSystem && !dormant)
        storage.system.PrefetchLayersParticles();
}

void Effect::PrefetchForFinishTest() const {
    if (hasSystem && !running)
        storage.system.PrefetchLayers();
}

void Effect::PrefetchRunLines() const {
    if (!frozen && !dormant)
        __builtin_prefetch(reinterpret_cast<const char*>(this) + EffectPool::lineBytes);
}

unsigned Effect::EmitTime() const {
    return hasSystem ? ShortestEmitTime(storage.system) : 0;
}

} // namespace Vorn
