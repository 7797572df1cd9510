// When and how many particles a system emits, where they start, how they move and how they fade.
#pragma once

#include <cstdint>

namespace Vorn {

// A value record read from the "behavior" section of particles.xml; systems copy it at creation.
// Times are milliseconds, speeds units per second.
struct ParticleBehavior {
    std::uint32_t lifeTime = 0;   // how long the system keeps emitting
    std::uint32_t emitTime = 0;   // interval between emission rounds; 0 never emits
    std::uint32_t emitNumber = 0; // particles per round
    float sourceOffsetX = 0.0f;
    float sourceOffsetY = 0.0f;
    float sourceRadius = 0.0f; // particles start up to this far out along their heading
    std::uint32_t particleLifeTime = 0;
    std::uint32_t particleMoveTime = 0;
    std::uint32_t particleMoveTimeRandom = 0;
    float particleSpeed = 0.0f;
    bool slowDown = false;
    bool logSlowDown = false;
    bool inverseSlowDown = false;
    std::uint32_t fadeInBegin = 0;
    std::uint32_t fadeInEnd = 0;
    bool alphaLog = false;
};

} // namespace Vorn
