// A running particle system: emits sprites in rounds, moves, ages and fades them. graphics/ParticleDrawing.h
// draws them.
#pragma once

#include "visuals/LayerArray.h"
#include "visuals/Particle.h"
#include "visuals/ParticleBehavior.h"
#include "visuals/ParticleFactory.h"
#include "visuals/SlidingArray.h"

#include <cstdint>
#include <span>
#include <vector>

namespace Vorn {

// How bright a particle of this age is: 0 before the fade-in begins, then falling from 1 with its age
// (linearly, or logarithmically with alphaLog), ramped up during the fade-in. Always within [0, 1].
float ParticleAlpha(const ParticleBehavior& behavior, std::uint32_t age);
// How far a particle of this age is through the behaviour's move time, within [0, 1].
float ParticleProgress(const ParticleBehavior& behavior, std::uint32_t age);
// The share of full speed a moving particle keeps at this fraction of its own move time, never negative.
float ParticleSlowDownFactor(const ParticleBehavior& behavior, float moveFraction);

// Held by value in its Effect, so that the walk over thousands of effects finds the system in the effect's
// own lines. The factory and the behaviour are the system's records in the ParticleSystemFactory, which must
// outlive every system made from it; a system keeps pointers to them, not copies, so that the fields the
// world reads of thousands of systems at every step fit in two cache lines.
//
// A system may carry layers: further systems that start, move, pause and end with it and are drawn over
// its own particles in order. One record has one texture and one colour, so an explosion's flash, fire,
// smoke and ring are layers of one system. The layers lie side by side in one array, which one request
// brings in, rather than each in its own heap block.
class ParticleSystem {
public:
    // Half a cache line: the world walks every live particle at every step.
    struct ParticleRecord {
        // Relative to the system's offset (OffsetX, OffsetY): the particle is drawn at the sum.
        float x = 0.0f;
        float y = 0.0f;
        float heading = 0.0f; // radians, 0 towards +y, growing clockwise
        // The heading's sine and cosine, worked out once at emission: a particle never turns, and every
        // step of its flight would otherwise compute them again.
        float sinHeading = 0.0f;
        float cosHeading = 1.0f;
        // The particles' clock when this particle's age was 0 (AgeOf gives its age): held relative to the
        // clock, as the position is to the system's offset, so that a particle that has stopped moving is
        // not written at every step only to age it.
        std::uint32_t born = 0;
        std::uint32_t moveTime = 0;
        Particle sprite;
    };
    // The particles and the layers lie in the effect pool, on whole lines beside the effect that holds the
    // system: the walk reads a muzzle flash's two records in one line instead of two, and finds an effect's
    // arrays near it rather than anywhere on the heap. Expired particles leave from the front without the
    // others being shifted.
    using ParticleArray = SlidingArray<ParticleRecord>;

    ParticleSystem(ParticleFactory& factory, const ParticleBehavior& behavior, float direction,
                   float scatterAngle, bool focus);
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;
    ParticleSystem(ParticleSystem&&) noexcept = default;
    ParticleSystem& operator=(ParticleSystem&&) noexcept = default;

    void Update(std::uint32_t elapsedMs);
    // The same as `steps` calls of Update(1), to the bit: the same emissions with the same random draws in
    // the same order (this system's, then its layers', step by step), the same removals and the same motion,
    // but each particle is read once instead of at every step. A step-mode effect (a muzzle flash, a shell)
    // runs 16 steps a tick, and the battle's thousands of them waited on their particles at each one.
    void UpdateInSteps(std::uint32_t steps);
    // Shifts every particle of the system and its layers: a tank's exhaust and dust follow it at every
    // step, so the shift goes into one offset instead of into each of thousands of particles. Only where
    // the drawing's rounding falls depends on it; no particle's age, motion or random draws do.
    void Move(float dx, float dy);

    void SetPaused(bool flag);
    void End();
    void SetDirection(float degrees);
    void AddDirection(float degrees);
    // Whether this system or any of its layers still emits.
    bool IsEmitting() const;
    // Paused with no particle, and so are its layers: an update changes nothing until it is unpaused, nor
    // draws from the random sequence.
    bool IsDormant() const;
    // Finished once it and every layer has aged or ended and has no particles left.
    bool IsFinished() const;
    void Destroy();

    // Ask the processor for this system's first particles and its layers ahead of their use. The world
    // walks thousands of systems scattered over the heap one after the other, and without a request made
    // a few systems ahead each walk step waits on memory; this reads the system's fields, so it pays only
    // once they have arrived (the world asks for the effect that holds them first).
    void PrefetchParticles() const;
    // The layers' fields alone, or, once they have arrived, the layers' particles.
    void PrefetchLayers() const;
    void PrefetchLayersParticles() const;

    // What a save holds of a system besides its particles and layers.
    struct Progress {
        std::uint32_t age = 0;
        std::uint32_t rounds = 0;
        float direction = 0.0f;
        float scatterAngle = 0.0f;
        bool focus = false;
        bool paused = false;
        bool ended = false;
        float offsetX = 0.0f;
        float offsetY = 0.0f;
    };
    Progress SavedProgress() const;
    // Takes a saved system's progress and particles, each particle's birth worked out from its saved age
    // with BornAt(progress.age, ...): a restored system's particle clock starts at its saved age. The
    // layers, made by the factory as the saved ones were, are each restored on their own.
    void Restore(const Progress& progress, ParticleArray saved);
    // The birth of a particle of this age when the particles' clock reads `clock`: a save holds the age.
    static std::uint32_t BornAt(std::uint32_t clock, std::uint32_t particleAge) {
        return clock - particleAge;
    }

    void ReserveLayers(std::size_t count) { layers.reserve(count); }
    void AddLayer(ParticleSystem layer) { layers.push_back(std::move(layer)); }
    // Spent layers, which the updates leave unread, have their clocks brought up to date first, so that a
    // save writes and a test reads them as if every update had run them.
    std::span<const ParticleSystem> Layers() const {
        BringSpentLayersUpToDate();
        return layers;
    }
    // The layers to restore a save into; their number is the record's.
    std::span<ParticleSystem> Layers() {
        BringSpentLayersUpToDate();
        return layers;
    }

    const ParticleBehavior& Behavior() const { return *behavior; }
    const ParticleFactory& Factory() const { return *factory; }
    std::uint32_t Age() const { return age; }
    std::uint32_t Rounds() const { return rounds; }
    float Direction() const { return direction; }
    bool IsPaused() const { return paused; }
    // This system's own particles, without its layers', oldest first.
    std::span<const ParticleRecord> Particles() const { return particles; }
    // What every particle's recorded position is moved by (the sum of the Move calls so far).
    float OffsetX() const { return offsetX; }
    float OffsetY() const { return offsetY; }
    // How long ago one of this system's particles was emitted, counting the time the system stood paused.
    std::uint32_t AgeOf(const ParticleRecord& particle) const { return particleClock - particle.born; }
    // Where one of this system's particles is, in the system's own coordinates.
    float XOf(const ParticleRecord& particle) const { return particle.x + offsetX; }
    float YOf(const ParticleRecord& particle) const { return particle.y + offsetY; }

private:
    void Emit(std::uint32_t elapsedMs);
    void EmitOne();
    void RemoveExpired();
    void DropLeading(std::size_t count);
    void MoveParticles(std::uint32_t elapsedMs);
    std::size_t CountSystems() const;
    void EmitStep(std::vector<std::uint32_t>& marks);
    void AdvanceSteps(const std::vector<std::uint32_t>& marks, std::uint32_t steps, std::size_t systems,
                      std::size_t& position);
    bool AdvanceParticle(ParticleRecord& particle, std::uint32_t steps, double baseStep) const;
    void MoveSteps(ParticleRecord& particle, std::uint32_t firstAge, std::uint32_t count,
                   double baseStep) const;
    bool ExpiresWithin(std::uint32_t born, std::uint32_t steps) const;
    bool EmitsNoMore() const;
    bool IsSpentLayerOf(const ParticleSystem& parent) const;
    void NoteWhetherLayersSpent();
    void WakeLayersIfAgeWraps(std::uint32_t elapsedMs);
    void WakeNestedLayersIfAgesWrap(std::uint32_t elapsedMs);
    void WakeSpentLayers();
    void BringSpentLayersUpToDate() const;
    bool FirstHasExpired() const { return particleClock - firstBorn >= behavior->particleLifeTime; }
    void NoteFirstBorn();
    static bool AgesFallAlong(const ParticleArray& particles, std::uint32_t clock);

    ParticleFactory* factory;
    const ParticleBehavior* behavior;
    // Mutable so that a parent can bring its spent layers' clocks up to date when they are read.
    mutable std::uint32_t age = 0;
    std::uint32_t rounds = 0;
    float direction;
    float scatterAngle = 360.0f;
    // The flags share a byte, and the settled run is counted in 16 bits, so that the particles' clock fits
    // too and the system stays within the effect's two lines.
    bool focus : 1;
    bool paused : 1 = false;
    bool ended : 1 = false;
    // Whether the particles' ages never rise along the array and stay far from wrapping, as emission keeps
    // them; only a save can break it. The settled run below is kept only while it holds.
    bool agesInOrder : 1 = true;
    // Every layer has emitted all it ever will and holds no particle, and runs in step with this system:
    // the updates leave the layers unread (an explosion's fire, flash and ring are done within half a second
    // of a five-second effect), and their ages are brought up to date from this system's when read.
    bool layersSpent : 1 = false;
    // The particles before this index have stopped moving and are only ageing: the steps leave them
    // unread but for the leading ones' expiry. Ages fall along the array, so they expire first, before
    // their age could wrap round and set them moving again. A longer run is counted as its first 65,535.
    std::uint16_t settled = 0;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    // Runs with every update, paused or not, where the system's age stands while it is paused: particles
    // age all the same, and a paused system's (a shared burst's thousands between shots, a standing tank's
    // last dust) are then left unread too.
    mutable std::uint32_t particleClock = 0;
    // The first particle's birth while there is one: a settled array (an explosion's smoke that has
    // stopped, a shared burst's thousands) is not read at all until its first particle expires.
    std::uint32_t firstBorn = 0;
    ParticleArray particles;
    LayerArray<ParticleSystem> layers;
};

} // namespace Vorn
