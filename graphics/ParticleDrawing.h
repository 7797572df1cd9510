// Particle systems on screen: every particle of a system and its layers as a textured, tinted, spinning
// square, collected into batches where it can be.
//
//   DrawParticleSystemInto(*effect.System(), batch, effect.x, effect.y);   // many systems, one batch
//   DrawParticleSystem(system);          // one system around the current origin
#pragma once

#include <cstdint>

namespace Vorn {

class ParticleBatch;
class ParticleSystem;

// Draws every particle around the current origin; the caller has translated to the system and set
// texturing and blending.
void DrawParticleSystem(const ParticleSystem& system);
// Adds every particle, and then its layers', moved by (originX, originY), to a batch the caller shares
// among systems and flushes. Without batching each sprite is drawn at once under its own matrix, after
// what the batch holds.
void DrawParticleSystemInto(const ParticleSystem& system, ParticleBatch& batch, float originX, float originY);

// Every particle drawn adds 1 here; the game mode points it at its first draw counter and clears it.
extern std::uint32_t* drawnParticleCounter;
// Sprites are drawn in batches (the same picture, far fewer driver calls); off draws every particle under
// its own matrix.
extern bool particleBatchDrawing;

} // namespace Vorn
