// Collects the quads of many particles and draws them with one call per texture.
#pragma once

#include <cstdint>
#include <vector>

namespace Vorn {

// Drawing each particle with its own matrix push, translate and rotate costs far more in the driver than
// the quad itself; sprites that can place their corners on the CPU add them here instead, and the quads
// are drawn together, in order, whenever the texture changes or the system is done.
class ParticleBatch {
public:
    struct Corner {
        float x, y;
    };

    ParticleBatch() = default;
    ParticleBatch(const ParticleBatch&) = delete;
    ParticleBatch& operator=(const ParticleBatch&) = delete;
    ~ParticleBatch() { Flush(); }

    // One quad with its corners in the order (-h, -h), (h, -h), (h, h), (-h, h) of the sprite.
    void AddQuad(unsigned int texture, const Corner (&corners)[4], const std::uint8_t (&rgba)[4]);
    // Draws what has been collected; the caller's matrix is the system's origin.
    void Flush();

private:
    unsigned int texture = 0;
    std::vector<float> positions;
    std::vector<float> textureCoordinates;
    std::vector<std::uint8_t> colours;
};

} // namespace Vorn
