// The creator of a particle system's sprites.
#pragma once

#include "graphics/Particle.h"

#include <cstdint>
#include <memory>

namespace Vorn {

class ParticleFactory {
public:
    virtual ~ParticleFactory() = default;
    // A new sprite for one emitted particle; may draw from the global random generator.
    virtual std::unique_ptr<Particle> Create() = 0;
    // Called at the start of every system update, for factories whose sprites change over time.
    virtual void Update(std::uint32_t) {}
};

} // namespace Vorn
