// The creator of a particle system's sprites, and the look they share.
#pragma once

#include "graphics/Particle.h"

#include <cstdint>

namespace Vorn {

class ParticleBatch;

class ParticleFactory {
public:
    virtual ~ParticleFactory() = default;
    // The sprite of one emitted particle; may draw from the global random generator.
    virtual Particle Create() = 0;
    // Called at the start of every system update, for factories whose sprites change over time.
    virtual void Update(std::uint32_t) {}

    // Half the side of the square a sprite is drawn as, this far (progress, within [0, 1]) through its move.
    virtual float HalfSide(float progress) const = 0;
    // Draws the sprite's quad with its colour, scale and spin; the caller has translated and turned to the
    // particle.
    virtual void Draw(const Particle& sprite, float alpha, float progress) const = 0;
    // Adds the quad Draw would draw at (x, y), turned clockwise by heading (radians), to the batch instead;
    // false for sprites that need their own matrix, which the system then draws one by one.
    virtual bool AddToBatch(const Particle& /*sprite*/, ParticleBatch&, float /*x*/, float /*y*/,
                            float /*heading*/, float /*alpha*/, float /*progress*/) const {
        return false;
    }
};

} // namespace Vorn
