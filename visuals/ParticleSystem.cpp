// Emission, motion and ageing of a running particle system.
#include "visuals/ParticleSystem.h"

#include "random/Random.h"
#include "shell/PrefetchWhole.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

static_assert(sizeof(ParticleSystem::ParticleRecord) == 32, "two particle records to a cache line");

namespace {

constexpr double degreesToRadians = 0.017453292519943295;

// The number of rounds due once the system reaches newAge; an emit time of 0 means "never emits", not a
// division by zero.
std::uint32_t DueRounds(std::uint32_t newAge, std::uint32_t emitTime, std::uint32_t rounds) {
    if (emitTime == 0) {
        return 0;
    }
    const std::uint32_t total = newAge / emitTime;
    return total > rounds ? total - rounds : 0;
}

// Room for as many particles as the behaviour keeps alive at a steady emission, or as it emits in its whole
// life when that is fewer, at most 64: a tank's dust needs a dozen, a muzzle flash two, and an explosion's
// layers a few each; reserving 64 spread the thousands of small arrays the world walks over many more
// memory pages. An array that needs more grows as usual.
std::size_t ReservedParticles(const ParticleBehavior& behavior) {
    constexpr std::uint64_t most = 64;
    if (behavior.emitTime == 0) {
        return 0;
    }
    const std::uint64_t steadyRounds = behavior.particleLifeTime / behavior.emitTime + 1;
    const std::uint64_t lifeRounds = behavior.lifeTime / behavior.emitTime + 1;
    return static_cast<std::size_t>(std::min(most, std::min(steadyRounds, lifeRounds) * behavior.emitNumber));
}

std::uint16_t SettledCount(std::size_t run) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(run, 0xFFFF));
}

float Clamp01(double value) {
    return static_cast<float>(std::clamp(value, 0.0, 1.0));
}

// The kinds of slowing down a behaviour asks for; all but the logarithmic one are worked out side by side.
enum class SlowDown { None, Linear, Inverse, Logarithmic };

SlowDown SlowDownOf(const ParticleBehavior& behavior) {
    if (!behavior.slowDown) {
        return SlowDown::None;
    }
    if (behavior.logSlowDown) {
        return SlowDown::Logarithmic;
    }
    return behavior.inverseSlowDown ? SlowDown::Inverse : SlowDown::Linear;
}

// ParticleSlowDownFactor for the kinds without a logarithm, with no test of the behaviour's flags, so that
// the steps of a particle can be worked out in the processor's vector lanes, each with the same arithmetic.
// A moving particle's fraction lies above 0 and at most 1, so the factor is never negative and needs no
// clamp, whose test would keep the compiler from using the lanes.
template <SlowDown kind> float LinearSlowDownFactor(float moveFraction) {
    if constexpr (kind == SlowDown::None) {
        return 1.0f;
    } else {
        const double f = moveFraction;
        return static_cast<float>(kind == SlowDown::Inverse ? f : 1.0 - f);
    }
}

// A step-mode effect runs 16 steps a tick: a particle's moves in that many steps are worked out side by side.
constexpr std::uint32_t stepsSideBySide = 16;

// Ages and the move time below 2^31, so that they convert to float as signed numbers, which the vector lanes
// do without a correction: the same values as unsigned ones.
struct StepMotion {
    std::int32_t firstAge; // the particle's age at the end of the first step
    std::int32_t moveTime;
    double baseStep;
    float sinHeading;
    float cosHeading;
};

// Each step's move, as MoveParticles(1) works it out; the moves do not depend on one another, only their
// sums do, which the caller adds in order.
template <SlowDown kind>
void WorkOutMoves(const StepMotion& motion, std::uint32_t count, float* dx, float* dy) {
    const float moveTime = float(motion.moveTime);
    for (std::uint32_t step = 0; step < count; ++step) {
        const float fraction = float(motion.firstAge + static_cast<std::int32_t>(step)) / moveTime;
        const double move = motion.baseStep * LinearSlowDownFactor<kind>(fraction);
        dx[step] = static_cast<float>(move * motion.sinHeading);
        dy[step] = static_cast<float>(move * motion.cosHeading);
    }
}

} // namespace

float ParticleAlpha(const ParticleBehavior& behavior, std::uint32_t age) {
    if (age < behavior.fadeInBegin) {
        return 0.0f;
    }
    // A zero life time would divide by zero; such particles are removed before they are ever drawn.
    const double lived = behavior.particleLifeTime == 0 ? 1.0 : double(age) / behavior.particleLifeTime;
    // log10(0) is -inf at age 0, so the clamp below turns the logarithmic fade's start into full alpha.
    const double faded = behavior.alphaLog ? 1.0 + 0.5 * std::log10(1.1 * lived) : lived;
    double alpha = std::clamp(1.0 - faded, 0.0, 1.0);
    if (age < behavior.fadeInEnd) {
        alpha *= double(age - behavior.fadeInBegin) / double(behavior.fadeInEnd - behavior.fadeInBegin);
    }
    return static_cast<float>(alpha);
}

float ParticleProgress(const ParticleBehavior& behavior, std::uint32_t age) {
    // Without a move time the particle is at its end size from the start.
    if (behavior.particleMoveTime == 0) {
        return 1.0f;
    }
    return Clamp01(double(age) / behavior.particleMoveTime);
}

float ParticleSlowDownFactor(const ParticleBehavior& behavior, float moveFraction) {
    if (!behavior.slowDown) {
        return 1.0f;
    }
    const double f = moveFraction;
    double factor;
    if (behavior.logSlowDown) {
        // Both logarithms diverge at their ends (log10 of 0); clamping at 0 stops the particle there
        // instead of sending it to infinity or backwards.
        factor = behavior.inverseSlowDown ? 1.0 + 0.5 * std::log10(1.1 * f) : 1.0 + 0.5 * std::log10(1.0 - f);
    } else {
        factor = behavior.inverseSlowDown ? f : 1.0 - f;
    }
    if (!(factor > 0.0)) {
        return 0.0f;
    }
    return static_cast<float>(factor);
}

ParticleSystem::ParticleSystem(ParticleFactory& factory, const ParticleBehavior& behavior, float direction,
                               float scatterAngle, bool focus)
    : factory(&factory), behavior(&behavior), direction(direction), scatterAngle(scatterAngle), focus(focus) {
    particles.reserve(ReservedParticles(behavior));
}

// A tank's exhaust or dust holds about ten particles, five or six lines; longer arrays are read on in
// order, which the processor foresees by itself. Of the settled particles only the first is read, and only
// once it expires: it is asked for when it will have expired a tick from now. The layers' array is asked
// for too, for their particles.
void ParticleSystem::PrefetchParticles() const {
    constexpr std::uint32_t tickMs = 16;
    if (settled > 0 && particleClock + tickMs - firstBorn >= behavior->particleLifeTime) {
        Zelt::PrefetchBytes(particles.data(), sizeof(ParticleRecord));
    }
    Zelt::PrefetchBytes(particles.data() + settled,
                        std::min<std::size_t>((particles.size() - settled) * sizeof(ParticleRecord), 8 * 64));
    PrefetchLayers();
}

// An explosion's four to six layers lie together away from the system, and their particles each elsewhere
// again: the layers are all asked for before this system's own particles are run, and their particles once
// their fields have arrived.
void ParticleSystem::PrefetchLayers() const {
    if (!layersSpent) {
        Zelt::PrefetchBytes(layers.data(), layers.size() * sizeof(ParticleSystem));
    }
}

void ParticleSystem::PrefetchLayersParticles() const {
    if (layersSpent) {
        return;
    }
    for (auto& layer : layers) {
        layer.PrefetchParticles();
    }
}

void ParticleSystem::Update(std::uint32_t elapsedMs) {
    WakeLayersIfAgeWraps(elapsedMs);
    PrefetchLayers();
    if (!paused) {
        Emit(elapsedMs);
    }
    RemoveExpired();
    if (!paused) {
        age += elapsedMs;
    }
    particleClock += elapsedMs;
    MoveParticles(elapsedMs);
    if (layersSpent) {
        return;
    }
    PrefetchLayersParticles();
    for (auto& layer : layers) {
        layer.Update(elapsedMs);
    }
    NoteWhetherLayersSpent();
}

// A spent layer's update would only add the time to its age and clock, as this system's own does, so its
// clocks stay equal to this system's: it is left unread until its age is asked for. A layer with layers of
// its own is always run.
bool ParticleSystem::IsSpentLayerOf(const ParticleSystem& parent) const {
    return layers.size() == 0 && particles.empty() && EmitsNoMore() && paused == parent.paused &&
           age == parent.age && particleClock == parent.particleClock;
}

// As Emit decides: past its life time with a round emitted, or with no emit time, a system never emits
// again, as long as its age does not wrap round.
bool ParticleSystem::EmitsNoMore() const {
    return behavior->emitTime == 0 || (rounds > 0 && age >= behavior->lifeTime);
}

// Read while the update has just brought the layers in.
void ParticleSystem::NoteWhetherLayersSpent() {
    if (layers.size() > 0) {
        layersSpent =
            std::ranges::all_of(layers, [this](const auto& layer) { return layer.IsSpentLayerOf(*this); });
    }
}

// A spent layer whose age wraps round below its life time would emit again: before an update that wraps
// this system's age (after 49 days unpaused), its layers are run again.
void ParticleSystem::WakeLayersIfAgeWraps(std::uint32_t elapsedMs) {
    if (layersSpent && !paused && age > 0xFFFFFFFFu - elapsedMs) {
        WakeSpentLayers();
    }
}

void ParticleSystem::WakeNestedLayersIfAgesWrap(std::uint32_t elapsedMs) {
    WakeLayersIfAgeWraps(elapsedMs);
    if (layersSpent) {
        return;
    }
    for (auto& layer : layers) {
        layer.WakeNestedLayersIfAgesWrap(elapsedMs);
    }
}

void ParticleSystem::WakeSpentLayers() {
    BringSpentLayersUpToDate();
    layersSpent = false;
}

void ParticleSystem::BringSpentLayersUpToDate() const {
    if (!layersSpent) {
        return;
    }
    for (const ParticleSystem& layer : layers) {
        layer.age = age;
        layer.particleClock = particleClock;
    }
}

namespace {
// The size of each system's particle array before each step's emission: a row per step, in the order the
// systems update (the system, then each layer with its own layers). Kept per thread for its capacity.
std::vector<std::uint32_t>& StepMarks() {
    thread_local std::vector<std::uint32_t> marks;
    return marks;
}
} // namespace

// First the steps' emissions and clocks, which read no particle, in Update's order; then each particle
// once, with as many steps as it lived through. Ages never rise along an array and every particle ages one
// step at a time, so the particles one of the steps would have removed are again a leading run.
void ParticleSystem::UpdateInSteps(std::uint32_t steps) {
    if (steps == 0) {
        return;
    }
    WakeNestedLayersIfAgesWrap(steps);
    std::vector<std::uint32_t>& marks = StepMarks();
    marks.clear();
    PrefetchLayers();
    for (std::uint32_t step = 0; step < steps; ++step) {
        EmitStep(marks);
    }
    PrefetchLayersParticles();
    std::size_t position = 0;
    AdvanceSteps(marks, steps, CountSystems(), position);
}

std::size_t ParticleSystem::CountSystems() const {
    if (layersSpent) {
        return 1;
    }
    std::size_t count = 1;
    for (auto& layer : layers) {
        count += layer.CountSystems();
    }
    return count;
}

// One step of Update(1) without the particles' removal and motion.
void ParticleSystem::EmitStep(std::vector<std::uint32_t>& marks) {
    marks.push_back(static_cast<std::uint32_t>(particles.size()));
    if (!paused) {
        Emit(1);
        ++age;
    }
    ++particleClock;
    if (layersSpent) {
        return;
    }
    for (auto& layer : layers) {
        layer.EmitStep(marks);
    }
}

// The particles there before the first step live through every step; those emitted at a step, through it
// and the ones after. The particles' clock has already run on, and the settled particles are read only
// while they lead the expired run.
void ParticleSystem::AdvanceSteps(const std::vector<std::uint32_t>& marks, std::uint32_t steps,
                                  std::size_t systems, std::size_t& position) {
    const std::size_t own = position++;
    const double baseStep = 1 * double(behavior->particleSpeed) * 0.001;
    std::size_t expired = 0;
    if (settled > 0 && ExpiresWithin(firstBorn, steps)) {
        expired = 1;
        while (expired < settled && ExpiresWithin(particles[expired].born, steps)) {
            ++expired;
        }
    }
    bool leadingRun = expired == settled;
    std::size_t settledRun = settled;
    bool stillSettled = agesInOrder;
    for (std::uint32_t step = 0; step < steps; ++step) {
        // The first step's range also holds the particles that were there before it.
        const std::size_t begin = step == 0 ? settled : marks[step * systems + own];
        const std::size_t end = step + 1 < steps ? marks[(step + 1) * systems + own] : particles.size();
        for (std::size_t i = begin; i < end; ++i) {
            ParticleRecord& particle = particles[i];
            const bool removed = AdvanceParticle(particle, steps - step, baseStep);
            leadingRun = leadingRun && removed;
            expired += leadingRun ? 1 : 0;
            if (removed && !leadingRun) {
                // Only out of order ages (a save's) leave an expired particle behind a live one, and the
                // steps never aged it: its age stands.
                particle.born += steps - step;
            }
            stillSettled = stillSettled && (removed ? leadingRun : AgeOf(particle) >= particle.moveTime);
            settledRun += stillSettled ? 1 : 0;
        }
    }
    settled = SettledCount(settledRun);
    DropLeading(expired);
    if (layersSpent) {
        return;
    }
    for (auto& layer : layers) {
        layer.AdvanceSteps(marks, steps, systems, position);
    }
    NoteWhetherLayersSpent();
}

// Whether one of the last `steps` steps removes the particle born then: a step removes it when it starts at
// the life time or beyond.
bool ParticleSystem::ExpiresWithin(std::uint32_t born, std::uint32_t steps) const {
    const std::uint32_t ageBefore = particleClock - born - steps;
    return std::uint64_t(ageBefore) + steps > behavior->particleLifeTime;
}

// Whether one of the particle's last `steps` steps removes it. Otherwise it moves as MoveParticles(1) would
// move it at each step, with the same arithmetic: the steps before it reaches its move time, a leading share.
bool ParticleSystem::AdvanceParticle(ParticleRecord& particle, std::uint32_t steps, double baseStep) const {
    if (ExpiresWithin(particle.born, steps)) {
        return true;
    }
    const std::uint32_t ageBefore = AgeOf(particle) - steps;
    const std::uint32_t moveTime = particle.moveTime;
    if (ageBefore + 1 < moveTime) {
        MoveSteps(particle, ageBefore + 1, std::min(steps, moveTime - 1 - ageBefore), baseStep);
    }
    return false;
}

// The moves are worked out side by side where the kind of slowing down allows it and added in order.
//
// The steps work on copies of the record's fields, stored once at the end: a store into the record at every
// step could, for all the compiler knows, change the behaviour's flags, which it would then read again.
void ParticleSystem::MoveSteps(ParticleRecord& particle, std::uint32_t firstAge, std::uint32_t count,
                               double baseStep) const {
    const std::uint32_t moveTime = particle.moveTime;
    const SlowDown kind = SlowDownOf(*behavior);
    float x = particle.x;
    float y = particle.y;
    if (count > stepsSideBySide || kind == SlowDown::Logarithmic || moveTime > 0x7FFFFFFFu) {
        for (std::uint32_t step = 0; step < count; ++step) {
            const float fraction = float(firstAge + step) / float(moveTime);
            const double move = baseStep * ParticleSlowDownFactor(*behavior, fraction);
            x += static_cast<float>(move * particle.sinHeading);
            y += static_cast<float>(move * particle.cosHeading);
        }
    } else {
        const StepMotion motion{static_cast<std::int32_t>(firstAge), static_cast<std::int32_t>(moveTime),
                                baseStep, particle.sinHeading, particle.cosHeading};
        float dx[stepsSideBySide];
        float dy[stepsSideBySide];
        if (kind == SlowDown::None) {
            WorkOutMoves<SlowDown::None>(motion, count, dx, dy);
        } else if (kind == SlowDown::Linear) {
            WorkOutMoves<SlowDown::Linear>(motion, count, dx, dy);
        } else {
            WorkOutMoves<SlowDown::Inverse>(motion, count, dx, dy);
        }
        for (std::uint32_t step = 0; step < count; ++step) {
            x += dx[step];
            y += dy[step];
        }
    }
    particle.x = x;
    particle.y = y;
}

void ParticleSystem::SetPaused(bool flag) {
    paused = flag;
    for (auto& layer : layers) {
        layer.SetPaused(flag);
    }
}

void ParticleSystem::End() {
    ended = true;
    for (auto& layer : layers) {
        layer.End();
    }
}

// Layers turn with the system and keep their own offset from its direction.
void ParticleSystem::SetDirection(float degrees) {
    AddDirection(degrees - direction);
}

void ParticleSystem::AddDirection(float degrees) {
    direction += degrees;
    for (auto& layer : layers) {
        layer.AddDirection(degrees);
    }
}

bool ParticleSystem::IsEmitting() const {
    if (age < behavior->lifeTime && !ended && !paused) {
        return true;
    }
    BringSpentLayersUpToDate();
    return std::ranges::any_of(layers, [](const auto& layer) { return layer.IsEmitting(); });
}

bool ParticleSystem::IsDormant() const {
    if (!paused || !particles.empty()) {
        return false;
    }
    return std::ranges::all_of(layers, [](const auto& layer) { return layer.IsDormant(); });
}

bool ParticleSystem::IsFinished() const {
    if (!((age >= behavior->lifeTime || ended) && particles.empty())) {
        return false;
    }
    BringSpentLayersUpToDate();
    return std::ranges::all_of(layers, [](const auto& layer) { return layer.IsFinished(); });
}

void ParticleSystem::Destroy() {
    particles.clear();
    settled = 0;
    agesInOrder = true;
    for (auto& layer : layers) {
        layer.Destroy();
    }
}

void ParticleSystem::Emit(std::uint32_t elapsedMs) {
    if (age >= behavior->lifeTime && rounds > 0) {
        return;
    }
    const std::uint32_t due = DueRounds(age + elapsedMs, behavior->emitTime, rounds);
    for (std::uint64_t i = 0; i < std::uint64_t(due) * behavior->emitNumber; ++i) {
        EmitOne();
    }
    rounds += due;
}

// The random draws come in a fixed order (spread, heading, the sprite's own, move time, distance) so that
// a run replays exactly from the same seed.
void ParticleSystem::EmitOne() {
    const double spread = focus ? scatterAngle * randomGenerator.Next() : scatterAngle;
    const double headingDegrees = spread * 0.5 + direction - randomGenerator.Next() * spread;
    ParticleRecord particle;
    particle.heading = static_cast<float>(headingDegrees * degreesToRadians);
    particle.sinHeading = std::sin(particle.heading);
    particle.cosHeading = std::cos(particle.heading);
    particle.born = particleClock;
    if (particles.empty()) {
        firstBorn = particleClock;
    }
    particle.sprite = factory->Create();
    // The source is where it is now, so the particle starts that far before the offset moved so far.
    particle.x = behavior->sourceOffsetX - offsetX;
    particle.y = behavior->sourceOffsetY - offsetY;
    particle.moveTime =
        behavior->particleMoveTime + std::uint32_t(randomGenerator.Next() * behavior->particleMoveTimeRandom);
    if (behavior->sourceRadius > 0.1f) {
        const double distance = randomGenerator.Next() * behavior->sourceRadius;
        particle.x += static_cast<float>(distance * particle.sinHeading);
        particle.y += static_cast<float>(distance * particle.cosHeading);
    }
    particles.push_back(std::move(particle));
}

// Particles are appended with age 0 and all age alike, so ages never rise along the array and the expired
// ones are always a leading run: finding its end spares a pass over the whole array at every step, and
// while the first particle lives the array is not read at all.
void ParticleSystem::RemoveExpired() {
    if (particles.empty() || !FirstHasExpired()) {
        return;
    }
    const auto firstAlive =
        std::find_if(particles.begin() + 1, particles.end(), [this](const ParticleRecord& particle) {
            return AgeOf(particle) < behavior->particleLifeTime;
        });
    DropLeading(static_cast<std::size_t>(firstAlive - particles.begin()));
}

void ParticleSystem::DropLeading(std::size_t count) {
    if (count == 0) {
        return;
    }
    particles.DropFront(count);
    settled = count < settled ? static_cast<std::uint16_t>(settled - count) : 0;
    if (particles.empty()) {
        agesInOrder = true;
    }
    NoteFirstBorn();
}

void ParticleSystem::NoteFirstBorn() {
    if (!particles.empty()) {
        firstBorn = particles[0].born;
    }
}

// Runs after the clock has moved on. The particles that stop moving at the front of the array join the
// settled run and are not read again but for their expiry; the rest are walked without counting it.
//
// The behaviour is copied so that the stores into the records cannot, for all the compiler knows, change
// the flags it reads for every particle.
void ParticleSystem::MoveParticles(std::uint32_t elapsedMs) {
    const ParticleBehavior motion = *behavior;
    const double baseStep = elapsedMs * double(motion.particleSpeed) * 0.001;
    std::size_t first = settled;
    if (agesInOrder) {
        while (first < particles.size() && AgeOf(particles[first]) >= particles[first].moveTime) {
            ++first;
        }
        settled = SettledCount(first);
    }
    for (std::size_t i = first; i < particles.size(); ++i) {
        ParticleRecord& particle = particles[i];
        const std::uint32_t particleAge = AgeOf(particle);
        if (particleAge >= particle.moveTime) {
            continue;
        }
        const float fraction = float(particleAge) / float(particle.moveTime);
        const double step = baseStep * ParticleSlowDownFactor(motion, fraction);
        particle.x += static_cast<float>(step * particle.sinHeading);
        particle.y += static_cast<float>(step * particle.cosHeading);
    }
}

void ParticleSystem::Move(float dx, float dy) {
    offsetX += dx;
    offsetY += dy;
    for (auto& layer : layers) {
        layer.Move(dx, dy);
    }
}

ParticleSystem::Progress ParticleSystem::SavedProgress() const {
    return {age, rounds, direction, scatterAngle, focus, paused, ended, offsetX, offsetY};
}

// The layers are restored after this system, each on its own.
void ParticleSystem::Restore(const Progress& progress, ParticleArray saved) {
    WakeSpentLayers();
    age = progress.age;
    rounds = progress.rounds;
    direction = progress.direction;
    scatterAngle = progress.scatterAngle;
    focus = progress.focus;
    paused = progress.paused;
    ended = progress.ended;
    offsetX = progress.offsetX;
    offsetY = progress.offsetY;
    particles = std::move(saved);
    particleClock = progress.age;
    settled = 0;
    agesInOrder = AgesFallAlong(particles, particleClock);
    NoteFirstBorn();
}

// Emission keeps the ages falling along the array and the live ones below the life time, which data never
// sets beyond 2^31 - 1 ms; a save may hold anything.
bool ParticleSystem::AgesFallAlong(const ParticleArray& particles, std::uint32_t clock) {
    constexpr std::uint32_t farFromWrapping = 0x80000000u;
    std::uint32_t previous = farFromWrapping - 1;
    for (const ParticleRecord& particle : particles) {
        const std::uint32_t particleAge = clock - particle.born;
        if (particleAge > previous) {
            return false;
        }
        previous = particleAge;
    }
    return true;
}

} // namespace Vorn
