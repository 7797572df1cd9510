// A particle system placed in the world: the base of every visual effect.
#include "world/Effect.h"

#include <stdexcept>

namespace Vorn {

// The particle system classes are still to be connected here: until then an effect carries no system,
// so creating one by name always fails as an unknown name would, and the operations below act on the
// effect's own paused and ended flags.
class ParticleSystem {};

namespace {
std::unique_ptr<ParticleSystem> CreateParticleSystem(const std::string& /*systemName*/) {
    return nullptr;
}
} // namespace

Effect::Effect() = default;

Effect::Effect(const std::string& systemName, float directionOffset, bool stepMode) : stepMode(stepMode) {
    system = CreateParticleSystem(systemName);
    if (!system)
        throw std::invalid_argument("Invalid particle system name.");
    SetDirection(directionOffset);
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

void Effect::RunSystem(unsigned /*elapsedMs*/) {}

void Effect::Draw() {}

void Effect::SetDirection(float /*degrees*/) {}

void Effect::MoveParticles(float /*dx*/, float /*dy*/) {}

void Effect::Pause() {
    SetPaused(true);
}

void Effect::SetPaused(bool flag) {
    paused = flag;
}

void Effect::End() {
    ended = true;
}

bool Effect::IsFinished() const {
    return ended;
}

bool Effect::IsEmitting() const {
    return !ended && !paused;
}

unsigned Effect::EmitTime() const {
    return 0;
}

} // namespace Vorn
