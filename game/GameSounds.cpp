// The running game heard.
#include "game/GameSounds.h"

#include "game/KeyActions.h"
#include "game/Level.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "shell/Keyboard.h"
#include "sound/SoundSystem.h"
#include "world/World.h"

#include <string>

namespace Vorn {

namespace {

// A sound is heard in the fog's cells around its point; the fog grid is coarse, so its own cell is enough.
constexpr float heardWithin = 0;

bool outcomeHeard = false;

SoundListener ListenerOf(const Camera& camera) {
    SoundListener listener;
    listener.centreX = camera.CentreX();
    listener.centreY = camera.CentreY();
    listener.rotation = camera.Rotation();
    listener.pixelsPerUnit = camera.Scale();
    listener.halfWidth = static_cast<float>(Zelt::configuration.screenWidth) / 2;
    listener.halfHeight = static_cast<float>(Zelt::configuration.screenHeight) / 2;
    return listener;
}

SoundVolumes Volumes() {
    const Zelt::Configuration& settings = Zelt::configuration;
    SoundVolumes volumes{settings.soundMaster, settings.soundEffects, settings.soundInterface};
    volumes.muted = Zelt::keyboard != nullptr && Zelt::keyboard->ActionToggled(std::string(KeyActions::mute));
    return volumes;
}

} // namespace

void HearStep(const World& world) {
    if (!soundSystem)
        return;
    const FogOfWar& fog = world.fog;
    soundSystem->Player().HearEvents(world.StepEvents(), world.sides.playerSide,
                                     [&fog](float x, float y) { return fog.IsVisible(x, y, heardWithin); });
}

void HearFrame(const Camera& camera, const Level& level, unsigned elapsedMs) {
    if (!soundSystem)
        return;
    if (level.finished && !outcomeHeard) {
        outcomeHeard = true;
        soundSystem->Player().HearInterface(level.won ? InterfaceCue::Won : InterfaceCue::Lost);
    }
    soundSystem->Player().Frame(ListenerOf(camera), Volumes(), elapsedMs);
}

void StopHearing() {
    outcomeHeard = false;
    if (soundSystem)
        soundSystem->Player().StopAll();
}

} // namespace Vorn
