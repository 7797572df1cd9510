// One textured sprite of a particle system: a square quad around the particle's position.
#pragma once

namespace Vorn {

class ParticleBatch;

// The system translates and turns to the particle before Draw; the sprite adds its own colour, scale
// and spin. Sprites made before the textures exist (headless runs) carry texture 0.
class Particle {
public:
    virtual ~Particle() = default;
    Particle(const Particle&) = delete;
    Particle& operator=(const Particle&) = delete;

    // Called once per frame for sprites that animate themselves; plain sprites do nothing.
    virtual void Frame() {}
    // Binds the texture and draws the quad of half side `size` with the current colour.
    virtual void Draw(float alpha, float progress);
    // Adds the quad Draw would draw at (x, y), turned clockwise by heading (radians), to the batch instead;
    // false for sprites that need their own matrix, which the system then draws one by one.
    virtual bool AddToBatch(ParticleBatch&, float /*x*/, float /*y*/, float /*heading*/, float /*alpha*/,
                            float /*progress*/) const {
        return false;
    }

    unsigned int texture = 0;
    float size = 0.0f; // half the side of the quad

protected:
    Particle(unsigned int texture, float size) : texture(texture), size(size) {}
    // The quad of the given half side, texture corners (0, 1) bottom left to (0, 0) top left.
    void DrawQuad(float halfSide) const;
};

} // namespace Vorn
