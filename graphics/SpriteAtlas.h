// Pictures of drawings rendered once into one texture, so that a drawing small on screen can be drawn as
// a single textured quad instead of its dozens of lines and triangles.
//
//   SpriteAtlas atlas;
//   atlas.Prepare(scale);                                  // pixels per drawing unit, this frame
//   const SpriteAtlas::Sprite* sprite = atlas.Find(drawing, colour);
//   if (!sprite) sprite = atlas.Render(drawing, colour);   // null when there is no room left: Empty()
//
// A picture is the drawing's display list drawn unturned in the given colour, with whatever smoothing and
// line width are current, onto transparent black, its colours multiplied by its coverage: drawn with
// blending (1, 1 - source alpha) it gives what the list gives drawn with (source alpha, 1 - source alpha).
// Every picture in the atlas is at one scale; a new scale empties it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace Vorn {

class Drawing;

class SpriteAtlas {
public:
    using ColourBytes = std::array<std::uint8_t, 4>;

    struct Box {
        float left = 0, bottom = 0, right = 0, top = 0;
    };

    struct Sprite {
        // The square the picture was rendered in, in texture coordinates: wide enough for the drawing
        // turned any way, so most of it stays blank.
        Box square;
        // The part of the square the picture colours, with a blank texel round it, in texture coordinates
        // and in the drawing's units from its origin (the square's centre). Its quad is all that needs
        // drawing: the software renderer fills every pixel of a quad, blank or not.
        Box content;
        Box contentUnits;
        // The colour the display list leaves current, as a list call would leave it.
        std::array<float, 4> colourAfter{};
    };

    SpriteAtlas() = default;
    ~SpriteAtlas();
    SpriteAtlas(const SpriteAtlas&) = delete;
    SpriteAtlas& operator=(const SpriteAtlas&) = delete;

    // Makes the texture when needed (false without framebuffer objects or a GL context) and empties the
    // atlas when the scale is not the one its pictures were rendered at. Anything drawn with the old
    // pictures must be drawn before.
    bool Prepare(float scale);
    float Scale() const { return scale; }
    // Whether the texture was made in the context current now: one made in a destroyed context is gone.
    bool MadeInCurrentContext() const;
    // The current context offers no framebuffer objects: no picture can be made in it.
    bool UnavailableInCurrentContext() const;
    // The picture already rendered, or null.
    const Sprite* Find(const Drawing& drawing, ColourBytes colour) const;
    // Renders the picture; null when the drawing has no display list or no room is left for it.
    const Sprite* Render(const Drawing& drawing, ColourBytes colour);
    // Forgets every picture (the texture is overwritten from the next Render on).
    void Empty();
    // Deletes the texture and the framebuffer while their context is current.
    void Release();

    unsigned Texture() const { return texture; }
    // Pictures rendered since the atlas was made: what the tests watch to see pictures reused.
    std::size_t RenderedCount() const { return renderedCount; }

    // The texture's side in texels; a picture wider than this is never made.
    static constexpr int side = 1024;

private:
    using Key = std::pair<std::uint64_t, std::uint32_t>;

    bool Make();
    bool Reserve(int size, int& x, int& y);
    void Paint(const Drawing& drawing, ColourBytes colour, int x, int y, int size, Sprite& sprite) const;
    void Bound(const Drawing& drawing, int x, int y, int size, const std::vector<std::uint8_t>& picture,
               Sprite& sprite) const;

    unsigned texture = 0;
    unsigned framebuffer = 0;
    unsigned long long contextSerial = 0;
    bool unavailable = false;
    float scale = 0;
    // Shelves: pictures fill a row left to right; the next row starts above the tallest of the row.
    int rowX = 0, rowY = 0, rowHeight = 0;
    std::map<Key, Sprite> sprites;
    std::size_t renderedCount = 0;
};

} // namespace Vorn
