// How the player moves the camera: wheel and keys zoom, a middle-button drag turns the view, the screen
// edges and the arrow keys scroll, and two keys reset zoom and rotation.
#pragma once

#include <cstdint>

namespace Zelt::C {
class Keyboard;
class Mouse;
} // namespace Zelt::C

namespace Vorn {

class Camera;

class CameraControl {
public:
    // One frame. (cursorX, cursorY) is the cursor in screen pixels, y down; overPanel whether a panel of
    // the interface is under it (then the middle button does not turn the view).
    void Update(Camera& camera, Zelt::C::Mouse& mouse, Zelt::C::Keyboard& keyboard, int cursorX, int cursorY,
                bool overPanel, std::uint32_t elapsedMs);

    bool RotatingView() const { return rotatingView; }

private:
    void Zoom(Camera& camera, Zelt::C::Mouse& mouse, Zelt::C::Keyboard& keyboard);
    void Turn(Camera& camera, Zelt::C::Mouse& mouse, std::uint32_t elapsedMs);
    void Scroll(Camera& camera, Zelt::C::Keyboard& keyboard, int cursorX, int cursorY, std::uint32_t elapsedMs);
    void Reset(Camera& camera, Zelt::C::Keyboard& keyboard);

    bool rotatingView = false;
};

} // namespace Vorn
