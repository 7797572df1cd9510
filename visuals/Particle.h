// What one particle's sprite holds of its own.
#pragma once

namespace Vorn {

// A sprite shares its texture, colour, sizes and spin speed with every other sprite of its system record
// (the system's ParticleFactory, which draws it); only its spin factor is its own. It lives by value in
// the particle's record: a world at scale emits and retires tens of thousands of particles a second, and a
// heap block per sprite cost an allocation and a release each, and a cache line apiece to retire.
struct Particle {
    // Scales the record's spin speed, so that neighbouring sprites do not turn in step.
    float spinFactor = 1.0f;
};

} // namespace Vorn
