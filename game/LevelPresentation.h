// What a level tells the player rather than the battle: its messages, its objectives and where it wants
// the view. The level's actions fill it; the game mode and the interface read it after each step. Nothing
// the simulation computes reads it, so a level that speaks plays exactly as one that keeps quiet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Vorn {

enum class ObjectiveState : std::uint8_t { Open, Completed, Failed };

struct LevelObjective {
    // The level's own name for it, by which later actions update it.
    std::string name;
    // A key of texts.xml or the literal text.
    std::string text;
    ObjectiveState state = ObjectiveState::Open;
};

struct LevelMessage {
    // A key of texts.xml or the literal text.
    std::string text;
    // The level clock when it was said, in milliseconds.
    std::uint32_t clock = 0;
};

struct LevelPresentation {
    // Every message said so far, oldest first, at most LevelLimits::maxLogMessages (the oldest go first).
    std::vector<LevelMessage> messages;
    // Messages said over the whole game, including those no longer in the log: the reader compares it
    // with what it has shown to find the new ones.
    std::size_t messagesSaid = 0;
    // In the order they were added, at most LevelLimits::maxObjectives.
    std::vector<LevelObjective> objectives;
    // The last point the level asked the view to move to; `cameraMoves` counts the asks, so the reader
    // sees a second ask for the same point.
    float cameraX = 0;
    float cameraY = 0;
    std::size_t cameraMoves = 0;
};

} // namespace Vorn
