// A saved game as the file holds it: how the battle was set up and the random generator as it began, the
// length of every step and every command since (with those still waiting), the digest the game had when
// it was saved, and what the player was looking at. docs/saves.md describes the file.
#pragma once

#include "command/Command.h"
#include "random/Random.h"
#include "save/StepLengths.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Vorn {

// The format this build writes. Format 1 held the journal alone; its saves still load, by running it.
inline constexpr std::uint32_t saveFormatVersion = 2;
inline constexpr std::uint32_t oldestSaveFormatVersion = 1;

// What the player saw and had chosen; the simulation does not depend on it.
struct PlayerView {
    static constexpr int groupCount = 10;

    float cameraX = 0;
    float cameraY = 0;
    float cameraRotation = 0;
    float cameraZoom = 1;
    std::vector<std::uint64_t> selection;
    std::array<std::vector<std::uint64_t>, groupCount> groups;
    // The main panel's page as the interface numbers it.
    std::uint32_t panelPage = 0;

    bool operator==(const PlayerView&) const = default;
};

struct SavedGame {
    std::string gameVersion;
    // The level as it was named to the game: a name under the data folder or a path.
    std::string levelPath;
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    bool skirmish = false;
    // With skirmish: the tanks asked for; empty for the level's own count.
    std::optional<int> skirmishTanks;
    // The generator as it stood when the battle began to be built.
    RandomState startRandom;
    StepLengths steps;
    // Applied and waiting, in the order applied: by step, then as issued. Those of a step not yet run
    // are the ones waiting.
    std::vector<Command> commands;
    // The state digest once the steps had run.
    std::uint64_t digest = 0;
    // The battle's state as game/BattleState writes it, to be built from without running the steps again;
    // empty in a save of format 1.
    std::string state;
    // Absent in a save written by a tool.
    std::optional<PlayerView> view;
    // The computer opponents chosen for the game beside the level's own (a side and a difficulty each),
    // started in this order before its first step.
    std::vector<std::pair<int, std::string>> commanders;

    // The game clock when it was saved, in milliseconds.
    std::uint64_t GameMs() const { return steps.TotalMs(); }

    bool operator==(const SavedGame&) const = default;
};

} // namespace Vorn
