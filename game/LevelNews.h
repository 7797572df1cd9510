// Carries what the level says to the player after each step: its new messages to the message line and
// the log, its objectives to their panel, and its camera moves to the view, which glides there rather
// than jumping, so the player sees where they are taken.
#pragma once

#include "game/LevelPresentation.h"
#include "interface/ObjectivesPanel.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Vorn {

class Camera;
class Interface;

// The objectives as the panel shows them: texts looked up in texts.xml (a text that is no key is shown as
// written), open ones first in the level's order, then the completed and failed ones.
std::vector<ObjectiveLine> ObjectiveLines(const std::vector<LevelObjective>& objectives);

class LevelNews {
public:
    // A glide covers this share of the remaining way every 100 ms, so long and short moves both settle in
    // about a second.
    static constexpr float glideShare = 0.25f;

    // Posts the messages said since the last call and refreshes the objectives.
    void Follow(const LevelPresentation& presentation, Interface& interface);
    // Starts a glide for a new camera move and advances the one under way by the frame's time.
    void MoveCamera(const LevelPresentation& presentation, Camera& camera, unsigned elapsedMs);
    bool Gliding() const { return gliding; }

private:
    std::size_t messagesShown = 0;
    std::size_t cameraMovesSeen = 0;
    bool gliding = false;
    float targetX = 0;
    float targetY = 0;
};

} // namespace Vorn
