// The camera: which world point the screen shows, turned and zoomed, and the sums between pixels and units.
#include "scene/Camera.h"

#include "shell/Configuration.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Vorn {

Camera* camera = nullptr;

namespace {

constexpr float radiansPerDegree = std::numbers::pi_v<float> / 180.0f;

float PositiveOr(float value, float fallback) {
    return std::isfinite(value) && value > 0.0f ? value : fallback;
}

// Half a map side; a missing, negative or broken size pins the centre to the origin.
float HalfSide(float side) {
    return std::isfinite(side) && side > 0.0f ? side / 2 : 0.0f;
}

float FiniteOr0(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// Truncation towards zero that cannot overflow an int, for points far off the screen.
int TruncatedPixels(float value) {
    constexpr float limit = static_cast<float>(std::numeric_limits<int>::max() / 2);
    if (!(value > -limit)) {
        return value != value ? 0 : static_cast<int>(-limit);
    }
    return static_cast<int>(std::min(value, limit));
}

} // namespace

Camera::Camera(float levelWidth, float levelHeight)
    : halfWidth(HalfSide(levelWidth)), halfHeight(HalfSide(levelHeight)),
      screenWidth(Zelt::configuration.screenWidth), screenHeight(Zelt::configuration.screenHeight),
      scrollSpeedX(FiniteOr0(Zelt::configuration.viewportScrollX)),
      scrollSpeedY(FiniteOr0(Zelt::configuration.viewportScrollY)),
      rotationSensitivity(FiniteOr0(Zelt::configuration.rotationSensitivity)),
      zoomSensitivity(FiniteOr0(Zelt::configuration.zoomSensitivity)),
      zoomLowest(PositiveOr(Zelt::configuration.zoomMax, defaultZoomLowest)),
      zoomHighest(PositiveOr(Zelt::configuration.zoomMin, defaultZoomHighest)) {}

void Camera::TakeSettings() {
    scrollSpeedX = FiniteOr0(Zelt::configuration.viewportScrollX);
    scrollSpeedY = FiniteOr0(Zelt::configuration.viewportScrollY);
    zoomLowest = PositiveOr(Zelt::configuration.zoomMax, defaultZoomLowest);
    zoomHighest = PositiveOr(Zelt::configuration.zoomMin, defaultZoomHighest);
    zoomLevel = std::clamp(zoomLevel, std::min(zoomLowest, zoomHighest), std::max(zoomLowest, zoomHighest));
    scale = zoomLevel * zoomLevel * zoomLevel;
}

void Camera::SetCentre(float centreX, float centreY) {
    x = centreX;
    y = centreY;
}

void Camera::Scroll(float direction, float ms) {
    const float angle = (rotation - direction) * radiansPerDegree;
    x += scrollSpeedX * 0.001f / scale * ms * std::sin(angle);
    y += scrollSpeedY * 0.001f / scale * ms * std::cos(angle);
    // A centre made NaN by a broken speed would never come back: start again from the middle.
    x = std::isfinite(x) ? std::clamp(x, -halfWidth, halfWidth) : 0.0f;
    y = std::isfinite(y) ? std::clamp(y, -halfHeight, halfHeight) : 0.0f;
}

void Camera::SetView(float centreX, float centreY, float rotationDegrees, float level) {
    x = std::isfinite(centreX) ? std::clamp(centreX, -halfWidth, halfWidth) : 0.0f;
    y = std::isfinite(centreY) ? std::clamp(centreY, -halfHeight, halfHeight) : 0.0f;
    if (std::isfinite(rotationDegrees))
        rotation = std::remainder(rotationDegrees, 360.0f);
    if (std::isfinite(level))
        zoomLevel = level;
    Zoom(0);
}

void Camera::Rotate(float amount, float ms) {
    const float turned =
        rotation + ms * static_cast<float>(screenWidth) * rotationSensitivity * 0.001f * amount;
    // One remainder instead of adding turns one at a time: a huge turn still lands in [-180, 180] at once.
    if (std::isfinite(turned)) {
        rotation = std::remainder(turned, 360.0f);
    }
}

// The limits are applied in this order on purpose: with the data's "min" below its "max" the level
// settles on "min", as it always has.
void Camera::Zoom(float amount) {
    const float changed = zoomLevel + zoomSensitivity * 0.03f * amount;
    if (std::isfinite(changed)) {
        zoomLevel = changed;
    }
    if (zoomLevel < zoomLowest) {
        zoomLevel = zoomLowest;
    }
    if (zoomLevel > zoomHighest) {
        zoomLevel = zoomHighest;
    }
    scale = zoomLevel * zoomLevel * zoomLevel;
}

void Camera::ResetZoom() {
    zoomLevel = 1.0f;
    scale = 1.0f;
}

void Camera::ResetRotation() {
    rotation = 0.0f;
}

WorldPoint Camera::ScreenToWorld(float screenX, float screenY) const {
    const float dx = (screenX - static_cast<float>(screenWidth / 2)) / scale;
    const float dy = (static_cast<float>(screenHeight / 2) - screenY) / scale;
    const float r = -rotation * radiansPerDegree;
    return {x + dx * std::cos(r) - dy * std::sin(r), y + dx * std::sin(r) + dy * std::cos(r)};
}

ScreenPoint Camera::WorldToScreen(float worldX, float worldY) const {
    const float dx = worldX - x;
    const float dy = worldY - y;
    const float r = rotation * radiansPerDegree;
    return {screenWidth / 2 + TruncatedPixels((dx * std::cos(r) - dy * std::sin(r)) * scale),
            screenHeight / 2 - TruncatedPixels(scale * (dx * std::sin(r) + dy * std::cos(r)))};
}

// The centre is rounded to whole units so the map does not shimmer as the view scrolls.
void Camera::ApplyCamera() const {
    glTranslatef(static_cast<float>(screenWidth) * 0.5f, static_cast<float>(screenHeight) * 0.5f, 0.0f);
    glRotatef(rotation, 0.0f, 0.0f, 1.0f);
    glScalef(scale, scale, 1.0f);
    glTranslatef(0.5f - std::round(x), 0.5f - std::round(y), 0.0f);
}

} // namespace Vorn
