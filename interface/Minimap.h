// The minimap in the bottom-left corner: every unit and building the player can see, in its side's
// colour, with the camera's view over it, and a flashing mark where the player's units are under attack.
// Painted in memory one phase per frame and uploaded once in five.
#pragma once

#include "graphics/PixelTexture.h"
#include "world/ObjectKind.h"
#include "world/WorldEvent.h"

#include <vector>

namespace Vorn {

class Camera;
class Drawing;
class Interface;
class Object;
class World;

class Minimap {
public:
    // The phases of one painting cycle; the attack marks go on last, just before the upload.
    enum Phase { Clear, PaintTanks, PaintTowers, PaintBuildings, UploadPicture, phaseCount };

    // A battle raises an attack on every hit, so a new mark comes at most this often; the ones in
    // between are dropped, since a flash already shows where the fighting is.
    static constexpr unsigned markIntervalMs = 1000;
    // How long a mark shows, blinking on and off every markBlinkMs.
    static constexpr unsigned markShowMs = 1500;
    static constexpr unsigned markBlinkMs = 250;
    // Texels from the attacked point to the mark's outline.
    static constexpr int markReach = 5;

    // Creates the picture of "minimap.texture_size" texels, opaque black and uploaded when a GL context
    // is current.
    Minimap(Interface& owner, World& world, Camera* camera);
    Minimap(const Minimap&) = delete;
    Minimap& operator=(const Minimap&) = delete;

    // One phase of the cycle.
    void Update();
    // Marks where the step's events say a unit or building of the side came under attack (rate-limited).
    void NoteAttacks(const WorldEvents& events, int side);
    // Counts down the marks' time and the wait for the next one.
    void Age(unsigned elapsedMs);
    std::size_t MarkCount() const { return marks.size(); }
    // Needs a GL context; the caller has translated the panel `slide` pixels to the left.
    void Draw(float slide) const;
    // Window coordinates, y down. A click inside the square is always taken: the right button centres
    // the camera there, buttons 0, 2, 3 and 4 go to the map at that point, others do nothing.
    bool Click(int x, int y, int button);

    // The ground each cycle starts from, texel words as the picture's; anything but a whole picture's
    // worth leaves the picture cleared to black.
    void SetGround(std::vector<std::uint32_t> texels) { ground = std::move(texels); }

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
    void PaintMarks();
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
    std::vector<std::uint32_t> ground;
    int phase = Clear;
    unsigned paintedCount = 0;

    struct AttackMark {
        float x;
        float y;
        unsigned remainingMs;
    };
    std::vector<AttackMark> marks;
    unsigned sinceLastMarkMs = markIntervalMs;
};

} // namespace Vorn
