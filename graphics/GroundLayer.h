// The ground under the battle: a tiled texture tinted by the level with a large-scale detail layer over
// it, the map's edge as a bright line, and dark hatching beyond it, so open ground and the end of the map
// read at a glance. Also paints the same ground, small, for the minimap.
//
//   ground.Choose({"ground_grass", "ground_detail", 1, 1, 1}, world.Width() / 2, world.Height() / 2);
//   ground.Draw(centreX, centreY, radius);   // under the camera's matrix, before everything on the map
#pragma once

#include "graphics/GroundMesh.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Vorn {

struct GroundLook {
    std::string texture;
    std::string detail;
    float red = 1;
    float green = 1;
    float blue = 1;
};

class GroundLayer {
public:
    // World units one repeat of each texture covers. The detail's is no multiple of the ground's, so the
    // two patterns never line up into a larger repeat a player could see.
    static constexpr float groundTile = 256;
    static constexpr float detailTile = 9000;
    static constexpr float beyondTile = 128;

    // Left, bottom, right, top: in world units, or in window pixels where said.
    struct Box {
        float left, bottom, right, top;
        bool Empty() const { return !(left < right && bottom < top); }
    };

    // Looks the textures up in the texture store, which must have been created.
    void Choose(const GroundLook& look, float halfWidth, float halfHeight);
    // Both draw the box of half side `radius` around the centre, in world units under the camera's
    // matrix, and need GL; they leave texturing off, blending as the game keeps it and the line width as
    // they found it. The ground where the map is, to go under everything on the map and the fog:
    // Leaves out the parts `hidden` says are never seen, and those wholly under the `covered` boxes: window
    // pixels from the lower left corner that something opaque drawn later (the main panel) replaces.
    void DrawGround(float centreX, float centreY, float radius, const GroundMesh::Hidden& hidden = {},
                    std::span<const Box> covered = {}) const;
    // The hatching where the map is not and the edge line, to go over the fog: where the map ends is no
    // secret, and under the fog it would read as one black with the unexplored ground.
    void DrawBeyond(float centreX, float centreY, float radius) const;
    // Whether DrawBeyond replaces every pixel beyond the map, whatever was drawn there before.
    bool BeyondOpaque() const { return beyondOpaque; }
    // The ground as a size x size picture of the whole map in the minimap's words (blue in bits 0-7, green,
    // red, alpha 255), its outermost texels the edge line. Needs the GL textures; a texture that cannot be
    // read gives a plain colour instead.
    std::vector<std::uint32_t> MinimapPicture(int size) const;

    // The part of the box around the centre that lies on the map; empty when none does.
    static Box MapPart(Box view, float halfWidth, float halfHeight);
    // Up to four boxes covering what of the view lies beyond the map, none overlapping the map.
    static std::vector<Box> BeyondParts(Box view, float halfWidth, float halfHeight);

private:
    void DrawTiled(unsigned int texture, const Box& box, float tile) const;
    void DrawEdge() const;

    GroundLook look;
    // Keeps the last frame's grid: drawing rebuilds it only when the view has moved.
    mutable GroundMesh mesh;
    unsigned int groundTexture = 0;
    unsigned int detailTexture = 0;
    unsigned int beyondTexture = 0;
    // An opaque hatching replaces what lies under it, so it is drawn without blending: the software
    // renderer then writes those pixels without reading them first.
    bool beyondOpaque = false;
    float halfWidth = 0;
    float halfHeight = 0;
};

} // namespace Vorn
