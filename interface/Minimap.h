// The minimap in the bottom-left corner: every unit and building the player can see, in its side's
// colour, with the camera's view over it. Painted in memory one phase per frame and uploaded once in five.
#pragma once

#include "graphics/PixelTexture.h"
#include "world/ObjectKind.h"

namespace Vorn {

class Camera;
class Drawing;
class Interface;
class Object;
class World;

class Minimap {
public:
    // The phases of one painting cycle; the picture is uploaded in the last.
    enum Phase { Clear, PaintTanks, PaintTowers, PaintBuildings, UploadPicture, phaseCount };

    // Creates the picture of "minimap.texture_size" texels, opaque black and uploaded when a GL context
    // is current.
    Minimap(Interface& owner, World& world, Camera* camera);
    Minimap(const Minimap&) = delete;
    Minimap& operator=(const Minimap&) = delete;

    // One phase of the cycle.
    void Update();
    // Needs a GL context; the caller has translated the panel `slide` pixels to the left.
    void Draw(float slide) const;
    // Window coordinates, y down. A click inside the square is always taken: the right button centres
    // the camera there, buttons 0, 2, 3 and 4 go to the map at that point, others do nothing.
    bool Click(int x, int y, int button);

    int CurrentPhase() const { return phase; }
    const PixelTexture& Picture() const { return picture; }
    // Objects painted since the counter was last taken (the game's draw statistics).
    unsigned TakePaintedCount();

    // The texel of a world point on a picture of `textureSize` texels for a map of width x height centred
    // on the origin; false when the map has no area or the point lies so far off that no square around it
    // could touch the picture.
    static bool TexelOf(float x, float y, float width, float height, int textureSize, int& texelX,
                        int& texelY);

private:
    void PaintKind(ObjectKind kind, const char* sizeKey);
    void Paint(const Object& object, int squareSize);
    int ScreenSize() const;
    int Offset() const;
    void DrawPicture(int half) const;
    void DrawFrame(int half) const;
    void DrawView(int size, float slide) const;

    Interface& owner;
    World& world;
    Camera* camera;
    const Drawing* frame;
    PixelTexture picture;
    int phase = Clear;
    unsigned paintedCount = 0;
};

} // namespace Vorn
