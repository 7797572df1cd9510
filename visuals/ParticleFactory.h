// The creator of a particle system's sprites, and the look they share.
#pragma once

#include "visuals/Particle.h"
#include "visuals/ParticleLook.h"

#include <cstdint>

namespace Vorn {

class ParticleFactory {
public:
    virtual ~ParticleFactory() = default;
    // The sprite of one emitted particle; may draw from the global random generator.
    virtual Particle Create() = 0;

    // Half the side of the square a sprite is drawn as, this far (progress, within [0, 1]) through its move.
    virtual float HalfSide(float progress) const = 0;
    // What the sprites look like on screen (graphics/ParticleDrawing.h draws them from it).
    virtual const ParticleLook& Look() const = 0;
};

} // namespace Vorn
