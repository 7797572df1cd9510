// How the player moves the camera: wheel and keys zoom, a middle-button drag turns the view, the screen
// edges and the arrow keys scroll, and two keys reset zoom and rotation.
#include "game/CameraControl.h"

#include "game/Camera.h"
#include "shell/Configuration.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

namespace Vorn {

namespace {
constexpr int middleButton = 2;
// Zoom steps per millisecond a zoom key is held.
constexpr float zoomPerHeldMs = 0.015625f;
const char* const scrollActions[] = {"up", "left", "down", "right"};
const float scrollDirections[] = {0, 90, 180, 270};
} // namespace

void CameraControl::Update(Camera& camera, Zelt::C::Mouse& mouse, Zelt::C::Keyboard& keyboard, int cursorX,
                           int cursorY, bool overPanel, std::uint32_t elapsedMs) {
    Zoom(camera, mouse, keyboard);
    if (mouse.IsDown(middleButton) && !overPanel) {
        Turn(camera, mouse, elapsedMs);
    } else {
        rotatingView = false;
        Scroll(camera, keyboard, cursorX, cursorY, elapsedMs);
    }
    Reset(camera, keyboard);
}

void CameraControl::Zoom(Camera& camera, Zelt::C::Mouse& mouse, Zelt::C::Keyboard& keyboard) {
    camera.Zoom(mouse.TakeWheel());
    camera.Zoom(static_cast<float>(keyboard.ActionHeldMs("zoom_in", Zelt::C::takeAll)) * zoomPerHeldMs);
    camera.Zoom(-static_cast<float>(keyboard.ActionHeldMs("zoom_out", Zelt::C::takeAll)) * zoomPerHeldMs);
}

// The first frame of a drag only centres the cursor, so the turn starts from the middle of the screen.
void CameraControl::Turn(Camera& camera, Zelt::C::Mouse& mouse, std::uint32_t elapsedMs) {
    if (rotatingView) {
        camera.Rotate(-mouse.NormalizedX(nullptr), static_cast<float>(elapsedMs));
    }
    rotatingView = true;
    mouse.CentreCursor(nullptr);
}

// With scroll lock on, the held times are still taken, so releasing the lock does not jump the view.
void CameraControl::Scroll(Camera& camera, Zelt::C::Keyboard& keyboard, int cursorX, int cursorY,
                           std::uint32_t elapsedMs) {
    if (keyboard.ActionToggled("scroll_lock")) {
        for (const char* action : scrollActions) {
            keyboard.ActionHeldMs(action, Zelt::C::takeAll);
        }
        return;
    }
    const float ms = static_cast<float>(elapsedMs);
    if (cursorY == 0) {
        camera.Scroll(0, ms);
    }
    if (cursorX == 0) {
        camera.Scroll(90, ms);
    }
    if (cursorY == Zelt::configuration.screenHeight - 1) {
        camera.Scroll(180, ms);
    }
    if (cursorX == Zelt::configuration.screenWidth - 1) {
        camera.Scroll(270, ms);
    }
    for (int index = 0; index < 4; ++index) {
        camera.Scroll(scrollDirections[index],
                      static_cast<float>(keyboard.ActionHeldMs(scrollActions[index], Zelt::C::takeAll)));
    }
}

void CameraControl::Reset(Camera& camera, Zelt::C::Keyboard& keyboard) {
    if (keyboard.ActionPresses("reset_zoom", Zelt::C::takeAll) > 0) {
        camera.ResetZoom();
    }
    if (keyboard.ActionPresses("reset_rotation", Zelt::C::takeAll) > 0) {
        camera.ResetRotation();
    }
}

} // namespace Vorn
