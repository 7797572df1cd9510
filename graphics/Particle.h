// One textured sprite of a particle system: a square quad around the particle's position.
#pragma once

namespace Vorn {

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

    unsigned int texture = 0;
    float size = 0.0f; // half the side of the quad

protected:
    Particle(unsigned int texture, float size) : texture(texture), size(size) {}
    // The quad of the given half side, texture corners (0, 1) bottom left to (0, 0) top left.
    void DrawQuad(float halfSide) const;
};

} // namespace Vorn
