// The game: builds a battle from the level, advances it every frame and draws it; once the level has
// finished, shows how it ended and plays it again or quits at the player's word.
#pragma once

#include "command/CommandQueue.h"
#include "game/CameraControl.h"
#include "game/LevelInfo.h"
#include "game/LevelNews.h"
#include "game/ReplayTrail.h"
#include "replay/Replay.h"
#include "shell/Mode.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Brisk {
class Node;
}

namespace Vorn {
class Level;
}

namespace Vorn::Mode {

class Game : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    // Builds the world, the camera and the interface and publishes them in their globals. Refuses (false,
    // with the reason in Refusal) when the constants lack entries or the level file cannot be read.
    bool Enter() override;
    int Frame(std::uint32_t elapsedMs) override;
    // Takes the game down in reverse and clears the globals.
    void Leave() override;

    // Takes the game down and builds it anew from the same level file; false (the reason in Refusal) when
    // the files can no longer be read.
    bool Restart();

    static constexpr const char* defaultLevelFileName = "levels/level0.xml";
    // The level every game plays: a name under "data/" or any file path.
    static std::string levelFileName;
    // How many skirmish tanks every game fields instead of the level's own count (the driver's choice, to
    // measure drawing with larger armies); empty: the level's.
    static std::optional<int> skirmishTanks;
    // A replay every game plays: its commands are scheduled when the game is built. Null for a game the
    // player plays.
    static std::shared_ptr<const Replay> replayed;
    // Shows the level's briefing before its first step (the campaign's levels), until Enter is pressed.
    static bool showBriefing;
    // Told once when the level is won, with its file; answers the level Enter plays next instead of the
    // same one again, or nothing. Empty outside a campaign.
    static std::function<std::optional<std::string>(const std::string& levelFile)> onLevelWon;

    bool BriefingOpen() const { return briefingOpen; }
    const std::string& Refusal() const { return refusal; }
    Level* CurrentLevel() const { return level; }
    // World steps run since the program started, over every game, and the wall time the last one took.
    std::uint64_t StepsRun() const { return steps; }
    double LastTickMs() const { return lastTickMs; }
    // How many times the game was built since the program started.
    unsigned GamesBuilt() const { return gamesBuilt; }
    // The running game's commands: those applied so far, in order, and those waiting for the next step.
    const CommandQueue* Commands() const { return commands.get(); }
    // The running game's digest per game second so far.
    const ReplayTrail& Trail() const { return trail; }
    // The running game as a replay, seeded with `seed`; nothing while no game runs, when its steps were
    // not all of one length (a replay keeps one step length), or for a game played again after the first.
    std::optional<Replay> RecordedReplay(std::uint32_t seed) const;

private:
    bool Refuse(const std::string& reason);
    void BuildGame(Brisk::Node document);
    void TearDown();
    void Step(std::uint32_t elapsedMs);
    void TakeButtons(int cursorX, int cursorY, float worldX, float worldY, bool overPanel);
    void DrawMap();
    bool CountersShown() const;
    void DrawOverlay();
    int TakeOutcomeKeys(bool finished);
    int BriefingFrame();
    void NoteOutcome();

    CameraControl cameraControl;
    Level* level = nullptr;
    std::unique_ptr<CommandQueue> commands;
    bool running = false;
    std::string refusal;
    std::uint64_t steps = 0;
    double lastTickMs = 0;
    unsigned gamesBuilt = 0;
    ReplayTrail trail;
    // What a replay of the running game is bound to, taken when it was built.
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    // The length of the game's steps while they were all alike; 0 before the first.
    std::uint32_t stepMs = 0;
    bool stepsAlike = true;
    LevelNews news;
    LevelInfo info;
    bool briefingOpen = false;
    bool outcomeNoted = false;
    // The level Enter plays after a campaign win.
    std::optional<std::string> nextLevel;
};

} // namespace Vorn::Mode
