// Where on the map the player listens from.
#include "sound/SoundPlacement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vorn {

namespace {

// In screen halves from the centre: within this a sound is heard at full volume (about -5 dB at the
// screen's edge), beyond silentBeyond not at all (-28 dB just before).
constexpr float fullVolumeWithin = 0.7f;
constexpr float fallOff = 1.5f;
constexpr float silentBeyond = 6.0f;
// A sound right at the side of the screen still reaches the other ear a little.
constexpr float widestPan = 0.75f;
// How much softer everything is at the widest view.
constexpr float softestFromAbove = 0.6f;

} // namespace

SoundPlace PlaceSound(const SoundListener& listener, float x, float y) {
    const float turn = listener.rotation * std::numbers::pi_v<float> / 180.0f;
    const float dx = x - listener.centreX;
    const float dy = y - listener.centreY;
    const float right = (dx * std::cos(turn) - dy * std::sin(turn)) * listener.pixelsPerUnit;
    const float up = (dx * std::sin(turn) + dy * std::cos(turn)) * listener.pixelsPerUnit;
    const float across = right / std::max(listener.halfWidth, 1.0f);
    const float distance = std::hypot(across, up / std::max(listener.halfHeight, 1.0f));
    if (!std::isfinite(distance) || distance >= silentBeyond)
        return {};
    const float nearness =
        distance <= fullVolumeWithin ? 1.0f : std::pow(fullVolumeWithin / distance, fallOff);
    const float height =
        std::clamp(std::sqrt(std::max(listener.pixelsPerUnit, 0.0f)), softestFromAbove, 1.0f);
    return {nearness * height, std::clamp(across, -1.0f, 1.0f) * widestPan};
}

} // namespace Vorn
