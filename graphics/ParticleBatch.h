// Collects the quads of many particles and draws them with one call per texture.
#pragma once

#include "graphics/ParticleDot.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace Vorn {

// Drawing each particle with its own matrix push, translate and rotate costs far more in the driver than
// the quad itself; sprites that can place their corners on the CPU add them here instead, and the quads
// are drawn together, in order, whenever the texture changes or the batch is flushed. The world shares one
// batch among all the effects of a layer, so a thousand small systems make a handful of calls.
//
// Once the batch knows the window, quads smaller than a pixel ("dots", see ParticleDot.h) become
// single-pixel points of the colour they would give: a run's points are drawn after its quads, which
// changes the order only where a dot and a larger particle of one texture share a pixel.
class ParticleBatch {
public:
    struct Corner {
        float x, y;
    };

    ParticleBatch() = default;
    ParticleBatch(const ParticleBatch&) = delete;
    ParticleBatch& operator=(const ParticleBatch&) = delete;
    ~ParticleBatch() { Flush(); }

    // From now on quads whose box on the window holds no pixel centre give no pixel and are left out, and
    // dots become points, placed with the current matrices, which must be current again at every Flush,
    // as must the texturing and its environment. Without a GL context, or when the matrices are not a flat
    // affine map, every quad stays.
    void LeaveOutWhatCoversNoPixel();
    // Off, every quad goes to the driver: the picture leaving out must equal.
    static void SetLeavingOut(bool on) { leavingOut = on; }
    // Off, dots stay quads: the picture drawing them as points must equal.
    static void SetDotsAsPoints(bool on) { dotsAsPoints = on; }

    // One quad with its corners in the order (-h, -h), (h, -h), (h, h), (-h, h) of the sprite.
    void AddQuad(unsigned int texture, const Corner (&corners)[4], const std::uint8_t (&rgba)[4]);
    // Leaves out, as AddQuad would, a quad whose corners all lie within reach of (x, y) when no such quad
    // could give a pixel, and says so; false when the quad is to be placed and added. Most particles of a
    // battle far out go here, before their corners are worked out.
    bool LeftOutWithin(unsigned int texture, float x, float y, float reach, const std::uint8_t (&rgba)[4]);
    // Draws what has been collected under the current matrix, leaving the last quad's colour current.
    void Flush();

    // Quads left out since the batch was made, those drawn as points, and draw calls made.
    std::size_t QuadsLeftOut() const { return quadsLeftOut; }
    std::size_t DotsAsPoints() const { return dotsDrawnAsPoints; }
    std::size_t CallsMade() const { return callsMade; }

private:
    bool AddedAsDot(const DotCorner (&window)[4], const std::uint8_t (&rgba)[4]);
    void DrawDots();
    void Switch(unsigned int quadTexture, const std::uint8_t (&rgba)[4]);

    static inline bool leavingOut = true;
    static inline bool dotsAsPoints = true;

    unsigned int texture = 0;
    // Whether anything was added since the last flush, drawn or left out.
    bool pending = false;
    std::uint8_t lastColour[4] = {};
    std::vector<float> positions;
    std::vector<float> textureCoordinates;
    std::vector<std::uint8_t> colours;
    // Window pixels from the quads' coordinates (see MapToWindow), and back.
    bool windowKnown = false;
    float toWindow[6] = {};
    float fromWindow[6] = {};
    // Window pixels across and up per unit of the quads' coordinates at most, whatever the direction.
    float reachToWindow[2] = {};
    // Whether the quads are drawn textured (with the texture's colour multiplied by theirs), and whether
    // dots of the current texture can be points, in what texel colour.
    bool textured = false;
    bool modulated = false;
    bool dotTextureKnown = false;
    std::optional<DotTexture> dotTexture;
    std::vector<float> dotPositions;
    std::vector<std::uint8_t> dotColours;
    std::size_t quadsLeftOut = 0;
    std::size_t dotsDrawnAsPoints = 0;
    std::size_t callsMade = 0;
};

} // namespace Vorn
