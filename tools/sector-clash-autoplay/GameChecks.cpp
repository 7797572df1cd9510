// Checks of the running game for the driver's scripts.
#include "tools/sector-clash-autoplay/GameChecks.h"

#include "game/GameMode.h"
#include "game/Level.h"
#include "interface/Interface.h"
#include "interface/MapOverlay.h"
#include "menu/PauseMenu.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "shell/ModeManager.h"
#include "tools/sector-clash-autoplay/InputScript.h"
#include "world/World.h"

#include <cmath>
#include <limits>

namespace autoplay {

namespace {

// The band of the main panel at the bottom of the screen and a margin around the edges, where the cursor
// would not reach the map or would scroll it.
constexpr int panelBand = 81;
constexpr int edgeMargin = 16;

Vorn::MapOverlay* Overlay() {
    return Vorn::interface != nullptr ? &Vorn::interface->Overlay() : nullptr;
}

std::string SelectedWithin(const Vorn::MapOverlay& overlay, const ScriptLine& line) {
    if (overlay.SelectionCount() == 0) {
        return "nothing is selected";
    }
    for (const Vorn::Object* object : overlay.Selection()) {
        const float distance = std::hypot(object->x - line.worldX, object->y - line.worldY);
        if (distance > line.radius) {
            return "a selected object stands at " + std::to_string(static_cast<int>(object->x)) + " " +
                   std::to_string(static_cast<int>(object->y)) + ", " +
                   std::to_string(static_cast<int>(distance)) + " units away";
        }
    }
    return {};
}

// Where the player is: the start screen, the loading, a battle, its pause menu, its outcome or a replay.
std::string CurrentModeName() {
    const int current = Zelt::modeManager.Current();
    if (current == Zelt::startModeIndex)
        return "start";
    if (current != Zelt::gameModeIndex)
        return "loading";
    const auto* game =
        dynamic_cast<const Vorn::Mode::Game*>(Zelt::modeManager.ModeAt(static_cast<std::size_t>(current)));
    if (Vorn::pauseMenu.IsOpen())
        return "pause";
    if (game != nullptr && game->CurrentLevel() != nullptr && game->CurrentLevel()->finished)
        return "outcome";
    return Vorn::Mode::Game::replayed != nullptr ? "replay" : "game";
}

std::string ModeOrLevelFailure(const ScriptLine& line) {
    const std::string mode = CurrentModeName();
    if (line.action == "mode")
        return mode == line.expectation ? std::string() : "the screen is " + mode;
    if (mode == "start" || mode == "loading")
        return "no level is played (the screen is " + mode + ")";
    return Vorn::Mode::Game::levelFileName == line.expectation
               ? std::string()
               : "the level played is " + Vorn::Mode::Game::levelFileName;
}

} // namespace

bool IsGameCheck(const std::string& action) {
    return action == "mode" || action == "level" || action == "selected" || action == "selected_at_least" ||
           action == "selected_within" || action == "attack_target" || action == "cursor_shape";
}

std::string ParseGameCheck(std::istringstream& words, ScriptLine& line) {
    if (line.action == "mode") {
        words >> line.expectation;
        for (const char* mode : {"start", "game", "pause", "outcome", "replay", "loading"})
            if (line.expectation == mode)
                return {};
        return "check mode needs start, game, pause, outcome, replay or loading";
    }
    if (line.action == "level") {
        return words >> line.expectation ? std::string()
                                         : "check level needs a level file (levels/level1.xml)";
    }
    if (line.action == "selected" || line.action == "selected_at_least") {
        if (!(words >> line.count) || line.count < 0) {
            return "check " + line.action + " needs a count";
        }
    } else if (line.action == "selected_within") {
        if (!(words >> line.worldX >> line.worldY >> line.radius) || !(line.radius >= 0)) {
            return "check selected_within needs the world point X Y and a distance";
        }
    } else if (line.action == "attack_target") {
        words >> line.expectation;
        if (line.expectation != "alive" && line.expectation != "dead") {
            return "check attack_target needs alive or dead";
        }
    } else if (!(words >> line.expectation)) {
        return "check cursor_shape needs a cursor name";
    }
    return {};
}

std::string GameCheckFailure(const ScriptLine& line) {
    if (line.action == "mode" || line.action == "level")
        return ModeOrLevelFailure(line);
    Vorn::MapOverlay* overlay = Overlay();
    if (overlay == nullptr || Vorn::world == nullptr) {
        return "no game is running";
    }
    const auto count = static_cast<int>(overlay->SelectionCount());
    if (line.action == "selected" || line.action == "selected_at_least") {
        const bool holds = line.action == "selected" ? count == line.count : count >= line.count;
        return holds ? std::string() : std::to_string(count) + " objects are selected";
    }
    if (line.action == "selected_within") {
        return SelectedWithin(*overlay, line);
    }
    if (line.action == "attack_target") {
        if (!overlay->LastTarget()) {
            return "no attack was ordered";
        }
        const bool alive = Vorn::world->ContainsAnywhere(overlay->LastTarget());
        return alive == (line.expectation == "alive")
                   ? std::string()
                   : "the target is " + std::string(alive ? "alive" : "dead");
    }
    return overlay->CursorName() == line.expectation ? std::string()
                                                     : "the cursor is " + overlay->CursorName();
}

bool AimAt(int side, int& x, int& y) {
    if (Vorn::world == nullptr || Vorn::camera == nullptr || side < 0 || side >= Vorn::sideCount) {
        return false;
    }
    const int width = Zelt::configuration.screenWidth;
    const int height = Zelt::configuration.screenHeight;
    float best = std::numeric_limits<float>::max();
    for (const auto& [key, cell] : Vorn::world->Objects(side, Vorn::KindTank).Cells()) {
        for (const Vorn::Object* tank : cell) {
            const Vorn::ScreenPoint at = Vorn::camera->WorldToScreen(tank->x, tank->y);
            if (at.x < edgeMargin || at.x >= width - edgeMargin || at.y < edgeMargin ||
                at.y >= height - panelBand - edgeMargin) {
                continue;
            }
            const float distance =
                std::hypot(static_cast<float>(at.x - width / 2), static_cast<float>(at.y - height / 2));
            if (distance < best) {
                best = distance;
                x = at.x;
                y = at.y;
            }
        }
    }
    return best < std::numeric_limits<float>::max();
}

} // namespace autoplay
