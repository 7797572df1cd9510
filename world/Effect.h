// A particle system placed in the world: the base of every visual effect, explosions included.
#pragma once

#include "visuals/ParticleSystem.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Vorn {

// An effect holds one running particle system in its own block and is owned by one of the world's two
// effect layers, which update it each tick and delete it once IsFinished says so; scene/ draws its
// particles at (x, y).
class Effect {
public:
    // Creates the named system through the particle factory and adds directionOffset to its direction.
    // In step mode an update of n ms runs n updates of 1 ms, which keeps emission even at low frame rates.
    // Throws std::invalid_argument("Invalid particle system name.") when the factory does not know the name;
    // callers placing decorative effects catch it and go on.
    Effect(const std::string& systemName, float directionOffset, bool stepMode);
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;
    virtual ~Effect();

    // Effects on the heap come from the effect pool (visuals/EffectPool.h), so that those made together lie
    // together, each on whole cache lines.
    static void* operator new(std::size_t bytes);
    static void operator delete(void* effect, std::size_t bytes);

    // Does nothing while frozen: a frozen effect is advanced by its owner (a bullet's trail).
    virtual void Update(unsigned elapsedMs);
    virtual void SetDirection(float degrees);
    virtual void MoveParticles(float dx, float dy);
    virtual void Pause();
    virtual void SetPaused(bool paused);
    // Stops emission for good; the effect finishes once its particles are gone.
    virtual void End();
    virtual bool IsFinished() const;
    virtual bool IsEmitting() const;

    // The shortest interval between emission rounds over the system and its layers in ms (0 when none
    // emits); a bullet sub-steps its trail by it so that no layer skips a round.
    unsigned EmitTime() const;
    // Ahead of an update, once the effect's own lines have arrived (they hold the system's fields): ask for
    // the system's particles and layers, and once those have arrived for the layers' particles. A dormant
    // system is not asked for: its update does not read it.
    void PrefetchParticles() const;
    void PrefetchLayerParticles() const;
    // Ahead of IsFinished, once the effect's lines have arrived: asks for the layers only when IsFinished
    // will read them.
    void PrefetchForFinishTest() const;
    // Ahead of an update, once the effect's first line has arrived: asks for its second, which holds the
    // system's arrays, only when the update will read it. A standing tank's dust (a third of a battle's
    // effects) is then read one line a tick instead of two.
    void PrefetchRunLines() const;

    // The effects that may have finished since the world last looked: the world notes those it finds
    // finished after their update, and ending an effect or placing a finished one notes it too. The world
    // then removes finished effects by testing these instead of every effect of both layers. An effect is
    // listed once however often it is noted, and leaves the list when it is deleted.
    void NoteAsFinishing();
    // Moves the list into `into` (whose entries are dropped), each effect no longer noted.
    static void TakeNotedAsFinishing(std::vector<Effect*>& into);
    ParticleSystem* System() { return hasSystem ? &storage.system : nullptr; }
    const ParticleSystem* System() const { return hasSystem ? &storage.system : nullptr; }
    // The effect's own pause and end flags (its system keeps its own too), as a save holds them.
    bool OwnPaused() const { return paused; }
    bool OwnEnded() const { return ended; }
    void RestoreOwnFlags(bool savedPaused, bool savedEnded) {
        paused = savedPaused;
        ended = savedEnded;
        ForgetLastRun();
    }

    float x = 0;
    float y = 0;
    // Radius for the fog test: how far a particle can travel in its life.
    float size = 0;
    bool alwaysDrawn = false;
    bool stepMode = false;
    bool frozen = false;
    // Set while an owner (a tank, a bullet, the shared bursts) points to the effect: the world leaves it
    // in place even once finished, and collects it after the owner lets go.
    bool held = false;

protected:
    // An effect with no particle system: it draws nothing and finishes once ended. Used by effects that
    // draw themselves.
    Effect();

    // Whether a derived effect's own update may still have work to do in its own fields, which lie beyond
    // the two lines the tick's walk asks for: once it has none left, its updates need not read them.
    bool ownWorkPending = true;

private:
    void RunSystem(unsigned elapsedMs);
    void NoteLastRun();
    void ForgetLastRun();
    static std::vector<Effect*>& NotedAsFinishing();

    // Stands in for the system's own flags when there is no system.
    bool paused = false;
    bool ended = false;
    // What the last run left, so that the tick's walks pass over most effects without reading their
    // system's particles and layers, lines elsewhere on the heap. Dormant: paused and empty (a standing
    // tank's dust, a third of a battle's effects), so runs change nothing until it is unpaused. Running: not
    // finished, which nothing but End changes before the next run.
    bool dormant = false;
    bool running = false;
    bool hasSystem = false;
    bool notedAsFinishing = false;
    // The system in the effect itself rather than behind a pointer, so the tick finds it in the effect's
    // lines; made only when hasSystem says so. Unlike an optional, the flag sits with the others, so an
    // effect is two cache lines and a test for its system reads the first.
    union SystemStorage {
        SystemStorage() {}
        ~SystemStorage() {}
        ParticleSystem system;
    } storage;
};

} // namespace Vorn
