// The camera: which world point the screen shows, turned and zoomed, and the sums between pixels and units.
#pragma once

#include "scene/WorldCamera.h"

namespace Vorn {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct WorldPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// Screen coordinates are mouse pixels (origin top left, y down) for ScreenToWorld and WorldToScreen;
// ApplyCamera works on the drawing matrix (origin bottom left, y up). The screen size, speeds and zoom
// limits are taken from the configuration when the camera is made.
class Camera : public WorldCamera {
public:
    // The zoom limits used when the configuration gives none: the view neither collapses to a point
    // nor grows without end.
    static constexpr float defaultZoomLowest = 0.5f;
    static constexpr float defaultZoomHighest = 2.0f;

    // A map of the level's width and height, centred on the origin.
    Camera(float levelWidth, float levelHeight);

    // Takes the scrolling speeds and zoom limits of the settings as they are now (the settings screen
    // changed them), keeping the zoom within the new limits.
    void TakeSettings();

    // Puts the centre anywhere, even off the map (the minimap jumps with it); the next scroll brings it back.
    void SetCentre(float centreX, float centreY);
    // Moves the view for ms milliseconds in a screen direction: 0 up, 90 left, 180 down, 270 right.
    void Scroll(float direction, float ms);
    void Rotate(float amount, float ms);
    void Zoom(float amount);
    void ResetZoom();
    // Takes over a view kept in a saved game: the centre within the map, the rotation folded into
    // [-180, 180] and the zoom level within the limits, whatever the file says.
    void SetView(float centreX, float centreY, float rotationDegrees, float level);
    void ResetRotation();

    WorldPoint ScreenToWorld(float screenX, float screenY) const;
    ScreenPoint WorldToScreen(float worldX, float worldY) const;
    void ApplyCamera() const override;

    float CentreX() const override { return x; }
    float CentreY() const override { return y; }
    // Pixels per world unit: what the world needs to know how much of the map is in view.
    float Zoom() const override { return scale; }
    float Rotation() const { return rotation; }
    float ZoomLevel() const { return zoomLevel; }
    float Scale() const { return scale; }
    float ZoomLowest() const { return zoomLowest; }
    float ZoomHighest() const { return zoomHighest; }

private:
    float x = 0.0f;
    float y = 0.0f;
    float rotation = 0.0f;
    float zoomLevel = 1.0f;
    float scale = 1.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;

    int screenWidth;
    int screenHeight;
    float scrollSpeedX;
    float scrollSpeedY;
    float rotationSensitivity;
    float zoomSensitivity;
    // "max" of the zoom element is the lowest zoom level and "min" the highest.
    float zoomLowest;
    float zoomHighest;
};

// The camera of the running game; set by the game mode while a game runs, null otherwise.
extern Camera* camera;

} // namespace Vorn
