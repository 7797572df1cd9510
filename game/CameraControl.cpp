// How the player moves the camera: wheel and keys zoom, a middle-button drag turns the view, the screen
// edges and the arrow keys scroll, and two keys reset zoom and rotation.
#include "game/CameraControl.h"

#include "game/KeyActions.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

#include <string>

namespace Vorn {

namespace {
constexpr int middleButton = 2;
// Zoom steps per millisecond a zoom key is held.
constexpr float zoomPerHeldMs = 0.015625f;
const float scrollDirections[] = {0, 90, 180, 270};

// Every key bound to a camera action moves the camera: the keypad's "+" zooms like the main row's.
float HeldMs(Zelt::C::Keyboard& keyboard, std::string_view action) {
    return static_cast<float>(keyboard.ActionHeldMsOfEveryKey(std::string(action), Zelt::C::takeAll));
}
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
    camera.Zoom(HeldMs(keyboard, KeyActions::zoomIn) * zoomPerHeldMs);
    camera.Zoom(-HeldMs(keyboard, KeyActions::zoomOut) * zoomPerHeldMs);
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
    if (keyboard.ActionToggled(std::string(KeyActions::scrollLock))) {
        for (std::string_view action : KeyActions::scrolls) {
            HeldMs(keyboard, action);
        }
        return;
    }
    const float ms = static_cast<float>(elapsedMs);
    // Players who keep the cursor beside the window (a second screen) turn the edges off.
    if (!Zelt::configuration.edgeScrolling) {
        cursorX = cursorY = -1;
    }
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
        camera.Scroll(scrollDirections[index], HeldMs(keyboard, KeyActions::scrolls[index]));
    }
}

void CameraControl::Reset(Camera& camera, Zelt::C::Keyboard& keyboard) {
    if (keyboard.ActionPresses(std::string(KeyActions::resetZoom), Zelt::C::takeAll) > 0) {
        camera.ResetZoom();
    }
    if (keyboard.ActionPresses(std::string(KeyActions::resetRotation), Zelt::C::takeAll) > 0) {
        camera.ResetRotation();
    }
}

} // namespace Vorn
