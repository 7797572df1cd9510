// The ground drawn as a grid of coloured vertices instead of textured: each vertex takes the colour of the
// ground texture's mipmap level whose texels are as far apart as the grid's points, tinted and shaded by the
// detail layer, and the rasteriser blends between them. Gouraud shading over a grid whose points sit on a
// level's texels is that level magnified with a linear filter, so the picture stays the texture's, while
// the software renderer fills the screen with interpolated colour, several times cheaper than texels.
//
//   mesh.Choose({levels, detail, groundTile, detailTile, tint});
//   mesh.Draw(view, map, pixelsPerUnit);   // under the camera's matrix
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace Vorn {

// An RGBA picture, rows from the bottom as GL reads them.
struct GroundImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    bool Empty() const { return width < 1 || height < 1 || rgba.size() < std::size_t(width) * height * 4; }
    // The texel under a world coordinate pair, the picture repeating every `tile` units.
    const std::uint8_t* TexelAt(float x, float y, float tile) const;
};

struct GroundColours {
    // The ground texture's mipmap levels, largest first; an empty list draws the plain colour.
    std::vector<GroundImage> levels;
    GroundImage detail;
    float groundTile = 256;
    float detailTile = 9000;
    float tint[3] = {1, 1, 1};
    // The colour of a ground whose texture could not be read, 0-255.
    float plain[3] = {70, 96, 44};
};

class GroundMesh {
public:
    // Grid points are never closer than this on the screen, so the vertex count stays bounded at every zoom
    // (about 80 x 45 points on a 1280 x 720 screen at most), nor further apart than twice this.
    static constexpr float closestPointsPixels = 16;
    // Every triangle costs the software renderer more than the pixels it fills, so below this zoom (pixels a
    // world unit), at the zoom a battle opens with and further out where hundreds of tanks are in view, the
    // points are twice as far apart; closer in, the ground's grain is worth its triangles.
    static constexpr float closeZoom = 2;
    static float ClosestPointsPixels(float pixelsPerUnit) {
        return pixelsPerUnit >= closeZoom ? closestPointsPixels : 2 * closestPointsPixels;
    }

    // The software renderer shades in blocks of this many pixels a side: a block that an edge crosses is
    // shaded whole by both triangles beside the edge, so the grid's lines are moved onto the blocks' edges.
    static constexpr double blockPixels = 4;

    // Squares whose points all lie within this many levels of the colours that two triangles over a block
    // of them (1, 2 or 4 squares each way) give are drawn as those two triangles: the renderer pays per
    // triangle and along every edge, and a few levels within a smooth gradient cannot be seen (side by side
    // the pictures look the same). A point where a merged block meets smaller ones lies on the block's
    // straight side, so the join leaves no crack.
    static constexpr float flatLevels = 4;

    void Choose(GroundColours colours);
    // Another tolerance for merging squares; below 0 every square is drawn on its own.
    void SetFlatLevels(float levels) {
        mergeLevels = levels;
        built = {};
    }
    // World boxes: left, bottom, right, top.
    struct Box {
        float left, bottom, right, top;
        bool operator==(const Box&) const = default;
    };
    // Says whether something over the ground hides a box of it completely (the fog where nothing is known).
    using Hidden = std::function<bool(const Box&)>;
    // Where world points fall in the window, in pixels, under a camera that neither turns nor shears the
    // map: x * scaleX + offsetX, y * scaleY + offsetY. `viewport` is GL's (left, bottom, width, height).
    struct WindowMap {
        double scaleX = 0, scaleY = 0, offsetX = 0, offsetY = 0;
        int viewport[4] = {0, 0, 0, 0};
        bool operator==(const WindowMap&) const = default;
    };
    // Fills what of the view lies on the map, leaving out the grid's squares that `hidden` (when given) says
    // are never seen; `pixelsPerUnit` picks the level. With `window` the grid's lines inside the map are
    // snapped to whole blocks of pixels (see Place) and drawn in window pixels, the matrices left as they
    // were; without, it is drawn under the current matrix as it is. Leaves blending and texturing off.
    void Draw(const Box& view, const Box& map, float pixelsPerUnit, const Hidden& hidden = {},
              const WindowMap* window = nullptr);
    // The triangles' corners the last Draw sent: three indices a triangle, two triangles a square.
    const std::vector<std::uint32_t>& Indices() const { return indices; }

    // The grid's spacing in world units at a zoom: a level's texel side, the smallest not closer than
    // `closestPointsPixels` on the screen, and the level it is.
    struct Spacing {
        int level;
        float units;
    };
    Spacing SpacingFor(float pixelsPerUnit) const;
    // A vertex's colour, 0-255 per channel, at a world position with the given level.
    void ColourAt(int level, float x, float y, std::uint8_t (&colour)[4]) const;

private:
    void Build(const Spacing& spacing, int firstColumn, int firstRow, int lastColumn, int lastRow,
               const Box& map);
    void ChooseSpans();
    // A block of the grid's squares: how many across and up.
    struct Span {
        std::uint8_t across, up;
        bool operator==(const Span&) const = default;
    };
    bool Flat(int row, int column, Span size) const;
    void ChooseSquares(const Hidden& hidden);
    void Place(const WindowMap& window, float spacingUnits);
    void DrawArrays(const void* first) const;

    GroundColours colours;
    struct Vertex {
        float x, y;
        std::uint8_t colour[4];
    };
    // The grid's points in world units, with their colours; `placed` the same points in window pixels.
    std::vector<Vertex> vertices;
    std::vector<Vertex> placed;
    std::vector<std::uint32_t> indices;
    // By square of the grid, its lower left corner first: the block drawn from it (1, 2 or 4 squares each
    // way), or none (0 by 0) where a larger block starting elsewhere covers it.
    std::vector<Span> spans;
    float mergeLevels = flatLevels;
    // What the vertices were built for: rebuilt only when the view moves or zooms.
    struct Built {
        int level = -1;
        int firstColumn = 0, firstRow = 0, lastColumn = 0, lastRow = 0;
        Box map{};
        bool operator==(const Built&) const = default;
    } built;
    // What `placed` was worked out for: placed again only when the camera or the grid moves.
    bool placedCurrent = false;
    WindowMap placedWindow;
};

} // namespace Vorn
