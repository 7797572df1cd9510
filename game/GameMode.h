// The game: builds a battle from the level, advances it in steps of one length as real time passes and
// draws it; once the level has finished, shows how it ended and plays it again or quits at the player's
// word. Every game the player plays leaves its replay in the replay folder; a replay given to the game is
// watched instead, with the player's orders switched off.
#pragma once

#include "command/CommandQueue.h"
#include "commander/CommanderSet.h"
#include "game/BattleScenery.h"
#include "game/CameraControl.h"
#include "game/LevelInfo.h"
#include "game/LevelNews.h"
#include "game/ReplayPlayback.h"
#include "game/ReplayTrail.h"
#include "game/SavedBattle.h"
#include "game/StepPacer.h"
#include "replay/Replay.h"
#include "shell/Mode.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {
class Level;
struct Battle;
} // namespace Vorn

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

    // Keeps the replay of the game that ends, takes the game down and builds it anew from the same level
    // file with a new seed (a replay: its own seed again); false (the reason in Refusal) when the files can
    // no longer be read.
    bool Restart();

    static constexpr const char* defaultLevelFileName = "levels/level0.xml";
    // The level every game plays: a name under "data/" or any file path.
    static std::string levelFileName;
    // How many skirmish tanks every game fields instead of the level's own count (the driver's choice, to
    // measure drawing with larger armies); empty: the level's.
    static std::optional<int> skirmishTanks;
    // Computer opponents every game starts besides the level's own (the driver's --commander, a menu's
    // choice): a side and a difficulty name each. A replay starts none: its file holds their commands.
    static std::vector<std::pair<int, std::string>> chosenCommanders;
    // A replay every game plays: its commands are scheduled when the game is built, the player's orders
    // are switched off and the speed keys work. Null for a game the player plays.
    static std::shared_ptr<const Replay> replayed;
    // The file of the save the replay starts from (FindReplayStartSave), found before the working folder
    // changed; empty for a replay from the level's beginning.
    static std::string replayStartFile;
    // The length of every world step. The driver makes it its frame interval, so that each of its frames
    // runs one step as before.
    static std::uint32_t stepMs;
    static constexpr std::uint32_t defaultStepMs = 16;
    // Where each game the player plays leaves its replay as it ends, restarts or is quit (the newest
    // keptReplays stay); empty for nowhere.
    static std::string replayFolder;
    // A saved game the first game goes on from instead of starting the level; empty for none. A save
    // that cannot be loaded refuses the game (the reason in Refusal).
    static std::string loadFileName;
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
    // The running game as a replay; nothing while no game runs.
    std::optional<Replay> RecordedReplay() const;
    // The seed the running game started from.
    std::uint32_t Seed() const { return seed; }
    // The replay being watched; null in a game the player plays.
    const ReplayPlayback* Playback() const { return playback.get(); }
    // Where the last replay was kept (empty: none yet, or it could not be written: see KeepFault).
    const std::string& KeptReplay() const { return keptReplay; }
    const std::string& KeepFault() const { return keepFault; }

    // Writes the running game, the player's view included, to the file; false with the reason in `fault`.
    bool SaveGame(const std::string& path, std::string& fault) const;
    // Replaces the running game with the saved one; false with the one-line reason in `fault` leaves the
    // running game as it was.
    bool LoadGame(const std::string& path, std::string& fault);
    // Where F5 saves and F9 loads: "quick.save" in the player's saves folder.
    static std::string QuickSavePath();

private:
    bool Refuse(const std::string& reason);
    void BuildGame(Brisk::Node document);
    bool BuildReplayFromSave(std::string& fault);
    void InstallSave(const SavedGame& saved, ReplayStartSave from, Battle battle,
                     const BattleSetup& loadedSetup, const StepLengths& loadedSteps);
    void InstallBattle(Battle battle, bool loadedFromSave);
    void TakeSaveKeys();
    void QuickSave();
    void QuickLoad();
    void TearDown();
    void RunSteps(std::uint32_t elapsedMs);
    void Step();
    bool Stands() const;
    void TakeSpeedKeys();
    void WatchReplay();
    void KeepReplay();
    void TakeButtons(int cursorX, int cursorY, float worldX, float worldY, bool overPanel);
    void DrawMap();
    bool CountersShown();
    void DrawOverlay();
    void DrawReplayStatus() const;
    int TakeOutcomeKeys(bool finished);
    int MenuFrame();
    int QuitToStart();
    int BriefingFrame();
    void NoteOutcome();

    CameraControl cameraControl;
    BattleScenery scenery;
    Level* level = nullptr;
    std::unique_ptr<CommandQueue> commands;
    // The level's computer opponents; none while a replay plays, since its file holds their commands.
    std::unique_ptr<CommanderSet> commanders;
    bool running = false;
    std::string refusal;
    std::uint64_t steps = 0;
    double lastTickMs = 0;
    unsigned gamesBuilt = 0;
    ReplayTrail trail;
    // What a replay of the running game is bound to, taken when it was built.
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    LevelNews news;
    LevelInfo info;
    bool briefingOpen = false;
    bool outcomeNoted = false;
    // The level Enter plays after a campaign win.
    std::optional<std::string> nextLevel;
    StepPacer pacer{defaultStepMs};
    std::uint32_t seed = 0;
    std::unique_ptr<ReplayPlayback> playback;
    // The game's replay is kept once, when it ends or when it is left, whichever comes first.
    bool replayKept = false;
    std::string keptReplay;
    std::string keepFault;
    // What a save of the running game holds besides the battle itself.
    BattleSetup setup;
    StepLengths stepLengths;
    // The save the running game was loaded from, which its replay starts from; empty for a game from the
    // level's beginning. The save's commands come first among those applied, and its steps were run.
    std::optional<ReplayStartSave> startSave;
    std::size_t saveCommands = 0;
    std::uint32_t savedSteps = 0;
};

} // namespace Vorn::Mode
