// How the sprites of one particle system record look: what the screen needs to draw them, and nothing the
// simulation reads.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Vorn {

// Each sprite is a square of the record's texture in the record's colour, growing from particleSize to
// particleSizeEnd over its move and spinning counter-clockwise up to rotationSpeed times its own spin
// factor.
struct ParticleLook {
    float particleSize = 0.0f;
    float particleSizeEnd = 0.0f;
    float rotationSpeed = 0.0f; // degrees of spin at full progress
    std::array<std::uint8_t, 4> colour{255, 0, 255, 255};
    std::string textureName;

    // The texture found by textureName, kept by the drawing code with the texture store's generation it
    // came from, so that thousands of sprites a frame do not look the name up each.
    mutable unsigned int texture = 0;
    mutable std::uint64_t textureGeneration = 0;
};

} // namespace Vorn
