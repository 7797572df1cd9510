// Draws drawings that are small on screen as textured quads of their own pictures.
//
//   {
//       SpriteBatch sprites;         // small drawings drawn from here on become quads
//       ... glTranslatef, glColor, DrawDrawing(drawing, heading) for every unit ...
//   }                                // drawn here, after whatever an open DrawingBatch collected before
//
// A crowd skips the matrix stack: AddAt places a drawing at a point worked out from the matrix the batch
// opened with (Translate), in a colour given, and touches no GL state at all.
//
// Below a few dozen pixels a unit is a smudge of dozens of smoothed lines and slivers, each of which the
// software driver sets up at full cost. Its picture rendered once per colour (SpriteAtlas) and drawn as one
// quad, turned by the heading, costs four vertices. A drawing wider than the threshold draws itself as
// before, so close up nothing changes; at the threshold the picture is the same but for the texture's
// filtering, which moves an edge's coverage by a fraction of a pixel.
//
// A unit's turret is a drawing of its own, so it is a quad of its own on top of the body, turned by its
// own heading. The quads are drawn in the order they were added, after everything a DrawingBatch open
// around this batch collected up to the flush: open one around one kind of object, so its quads come
// after the kinds below and before those above.
#pragma once

#include "graphics/SpriteAtlas.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace Vorn {

class Drawing;

class SpriteBatch {
public:
    // Opens a batch when the threshold is above 0, a GL context is current, the projection maps eye
    // units to whole pixels without turning, and no other sprite batch is open.
    SpriteBatch();
    // Draws what is collected.
    ~SpriteBatch();
    SpriteBatch(const SpriteBatch&) = delete;
    SpriteBatch& operator=(const SpriteBatch&) = delete;

    static SpriteBatch* Active() { return active; }

    // Drawings at most this many pixels across (twice their reach) are drawn as sprites; 0 turns sprites
    // off and draws every drawing as before.
    static void SetThreshold(float pixels) { threshold = pixels; }
    static float Threshold() { return threshold; }
    static constexpr float defaultThreshold = 20;

    // Adds the drawing as a quad with the current matrix, turned clockwise by angle degrees, in the
    // current colour, and leaves current the colour its list would leave. False when the drawing is to
    // draw itself: wider than the threshold, a matrix that stretches or turns it out of the plane, or no
    // picture could be made.
    bool Add(const Drawing& drawing, float angle);

    // A point in eye units: where a drawing's origin lies once translated.
    struct EyePoint {
        float x = 0, y = 0;
    };
    // Where the matrix the batch opened with puts the origin.
    EyePoint Origin() const { return {opening.m[12], opening.m[13]}; }
    // The point a glTranslatef(x, y, 0) of the opening matrix, already translated to from, would put the
    // origin at, rounded as the driver rounds it: a quad added there falls on the pixels Add gives it
    // after those translations.
    EyePoint Translate(EyePoint from, float x, float y) const {
        return {opening.m[0] * x + opening.m[4] * y + from.x, opening.m[1] * x + opening.m[5] * y + from.y};
    }
    // Adds the drawing as a quad at the point, turned clockwise by angle degrees, in the colour, as Add
    // would under the opening matrix translated there with that colour current. Reads and changes no GL
    // state (the current colour included) unless a picture must be made. False when the drawing is to draw
    // itself, as for Add.
    bool AddAt(const Drawing& drawing, EyePoint at, float angle, const std::array<float, 4>& colour);
    // Draws the open DrawingBatch's collection, then the quads, and empties the batch.
    void Flush();

    // Quads added since the batch opened.
    std::size_t SpritesAdded() const { return spritesAdded; }
    // The atlas shared by all batches: its texture and framebuffer are deleted with the drawings.
    static SpriteAtlas& Atlas() { return atlas; }

private:
    struct Corner {
        float x, y, u, v;
    };

    // The modelview matrix when the batch opened, and whether it places drawings flat and unstretched.
    struct Opening {
        float m[16] = {};
        bool usable = false;
    };

    const SpriteAtlas::Sprite* Place(const Drawing& drawing, const float (&m)[16], EyePoint at, float angle,
                                     SpriteAtlas::ColourBytes colour);
    std::pair<float, float> OnPixelCentre(float eyeX, float eyeY) const;
    const SpriteAtlas::Sprite* SpriteFor(const Drawing& drawing, SpriteAtlas::ColourBytes colour);

    static inline SpriteBatch* active = nullptr;
    static inline float threshold = defaultThreshold;
    static inline SpriteAtlas atlas;
    // Kept from batch to batch: a zoomed-out battle adds thousands of quads every frame.
    static inline std::vector<Corner> corners;

    bool open = false;
    // Window pixels per eye unit, from the projection and the viewport when the batch opened.
    float pixelsPerUnit = 0;
    // Where eye (0, 0) lies on the window, in pixels.
    float windowOrigin[2] = {};
    Opening opening;
    std::size_t spritesAdded = 0;
};

} // namespace Vorn
