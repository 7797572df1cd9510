#include "game/LevelNews.h"

#include "datafiles/TextTable.h"
#include "interface/Interface.h"
#include "scene/Camera.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

ObjectiveLine::Mark MarkOf(ObjectiveState state) {
    switch (state) {
    case ObjectiveState::Completed:
        return ObjectiveLine::Mark::Ticked;
    case ObjectiveState::Failed:
        return ObjectiveLine::Mark::Crossed;
    case ObjectiveState::Open:
        break;
    }
    return ObjectiveLine::Mark::Open;
}

// Closer than this the view stops gliding and stands at the point.
constexpr float arrivedDistance = 1.0f;

} // namespace

std::vector<ObjectiveLine> ObjectiveLines(const std::vector<LevelObjective>& objectives) {
    std::vector<ObjectiveLine> lines;
    for (const LevelObjective& objective : objectives)
        lines.push_back({textTable.TextOf(objective.text), MarkOf(objective.state)});
    std::stable_partition(lines.begin(), lines.end(),
                          [](const ObjectiveLine& line) { return line.mark == ObjectiveLine::Mark::Open; });
    return lines;
}

void LevelNews::Follow(const LevelPresentation& presentation, Interface& interface) {
    // Messages that left the level's log before they could be shown are skipped.
    const std::size_t inLog = presentation.messages.size();
    const std::size_t unseen = std::min(presentation.messagesSaid - messagesShown, inLog);
    for (std::size_t i = inLog - unseen; i < inLog; ++i)
        interface.PostLevelMessage(textTable.TextOf(presentation.messages[i].text));
    messagesShown = presentation.messagesSaid;
    interface.Objectives().Set(ObjectiveLines(presentation.objectives));
}

void LevelNews::MoveCamera(const LevelPresentation& presentation, Camera& camera, unsigned elapsedMs) {
    if (presentation.cameraMoves != cameraMovesSeen) {
        cameraMovesSeen = presentation.cameraMoves;
        targetX = presentation.cameraX;
        targetY = presentation.cameraY;
        gliding = true;
    }
    if (!gliding)
        return;
    const float dx = targetX - camera.CentreX();
    const float dy = targetY - camera.CentreY();
    if (std::hypot(dx, dy) < arrivedDistance) {
        camera.SetCentre(targetX, targetY);
        gliding = false;
        return;
    }
    const float share = 1.0f - std::pow(1.0f - glideShare, static_cast<float>(elapsedMs) / 100.0f);
    camera.SetCentre(camera.CentreX() + dx * share, camera.CentreY() + dy * share);
}

} // namespace Vorn
