// The running game heard: the world's events after each step, the view and the player's settings every
// frame, and the level's outcome once. All of it does nothing while there is no sound.
#pragma once

namespace Vorn {

class Camera;
class Level;
class World;

// The step's events as the player's side hears them (nothing under its fog).
void HearStep(const World& world);
// The view, the volumes and the mute key for this frame, and the outcome the first frame it is known.
void HearFrame(const Camera& camera, const Level& level, unsigned elapsedMs);
// Silences the game's sounds when it ends, so the next one starts quiet.
void StopHearing();

} // namespace Vorn
