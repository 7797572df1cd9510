// The game: builds a battle from the level, advances it in fixed steps as real time passes and draws it.
#include "game/GameMode.h"

#include "command/SimulationStep.h"
#include "datafiles/TextTable.h"
#include "game/Battle.h"
#include "game/BriefingScreen.h"
#include "game/GameMenu.h"
#include "game/GameSounds.h"
#include "game/KeyActions.h"
#include "game/LevelBeep.h"
#include "game/LevelFile.h"
#include "game/LoadingMode.h"
#include "game/Outcome.h"
#include "game/OutcomeScreen.h"
#include "game/PlayerViewState.h"
#include "game/ReplayStartSave.h"
#include "game/StartView.h"
#include "game/StateDigest.h"
#include "graphics/DrawCounters.h"
#include "graphics/DrawingDisplay.h"
#include "graphics/FontStore.h"
#include "graphics/ParticleDrawing.h"
#include "interface/Interface.h"
#include "platform/Beep.h"
#include "random/Random.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayInputs.h"
#include "rules/ConstantsLoader.h"
#include "save/SaveFile.h"
#include "scene/Camera.h"
#include "scene/WorldDraw.h"
#include "shell/Configuration.h"
#include "shell/GameVersion.h"
#include "shell/InputDeviceWorker.h"
#include "shell/Keyboard.h"
#include "shell/ModeManager.h"
#include "shell/Mouse.h"
#include "shell/UserConfigurationWriter.h"
#include "shell/UserFolders.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystem.h"
#include "world/World.h"

#include <GL/gl.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

namespace Vorn::Mode {

std::string Game::levelFileName = Game::defaultLevelFileName;
std::optional<int> Game::skirmishTanks;
std::vector<std::pair<int, std::string>> Game::chosenCommanders;
std::shared_ptr<const Replay> Game::replayed;
std::string Game::replayStartFile;
std::string Game::loadFileName;
std::uint32_t Game::stepMs = Game::defaultStepMs;
std::string Game::replayFolder;

namespace {

// "As fast as it goes" still draws a frame now and then, so the window answers while a replay races.
constexpr double fastestStepsMsPerFrame = 40;

} // namespace
bool Game::showBriefing = false;
std::function<std::optional<std::string>(const std::string&)> Game::onLevelWon;

bool Game::Enter() {
    refusal.clear();
    drawingStore.Load();
    Constants::LoadConstants();
    // Every object a game creates needs its record: a game whose constants lack entries does not start.
    if (std::string missing = Constants::MissingConstantsMessage(); !missing.empty())
        return Refuse(missing);
    // The game draws with alpha blending throughout, whichever way its battle is built.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (replayed != nullptr && replayed->startSave) {
        if (std::string fault; !BuildReplayFromSave(fault))
            return Refuse(fault);
        return true;
    }
    // A save is gone on with once; playing again afterwards plays its level from the start.
    if (!loadFileName.empty()) {
        const std::string path = std::exchange(loadFileName, std::string());
        std::string fault;
        if (!LoadGame(path, fault))
            return Refuse(fault);
        return true;
    }
    Brisk::Node document;
    if (std::string error; !ReadLevelFile(levelFileName, document, error))
        return Refuse(error);
    info = ReadLevelInfo(document);
    BuildGame(std::move(document));
    briefingOpen = showBriefing && !info.briefing.empty();
    return true;
}

// Whoever activated the game reports the reason (the loading mode ends the program with it).
bool Game::Refuse(const std::string& reason) {
    refusal = reason;
    Constants::ReleaseConstants();
    drawingStore.Release();
    ReleaseDrawingDisplay();
    return false;
}

// The battle (level, its "start", the skirmish, the player's side) is set up exactly as the simulator sets
// it up, so a seeded game and a seeded simulation are the same game.
void Game::BuildGame(Brisk::Node document) {
    const Zelt::Configuration& settings = Zelt::configuration;
    setup = TakeBattleSetup(levelFileName, true, skirmishTanks);
    setup.commanders = chosenCommanders;
    stepLengths = StepLengths{};
    startSave.reset();
    startSaveBytes.clear();
    saveCommands = 0;
    savedSteps = 0;
    Battle battle = StartBattle(std::move(document), static_cast<unsigned>(settings.screenWidth),
                                static_cast<unsigned>(settings.screenHeight), true, skirmishTanks);
    if (replayed != nullptr)
        for (const Command& command : replayed->commands)
            battle.commands->Schedule(command);
    InstallBattle(std::move(battle), false);
}

// Publishes the battle in the globals with a camera on the player's headquarters and a new interface.
void Game::InstallBattle(Battle battle, bool loadedFromSave) {
    level = battle.level;
    world = battle.world.release();
    commands = std::move(battle.commands);
    commanders = replayed != nullptr ? nullptr : std::move(battle.commanders);
    // A restored battle's commanders have been started and have thought through its steps already.
    if (commanders != nullptr && !loadedFromSave)
        for (const auto& [side, difficulty] : setup.commanders)
            commanders->Start(side, difficulty);
    trail = ReplayTrail{};
    levelHash = setup.levelHash;
    dataHash = setup.dataHash;
    pacer = StepPacer(stepMs);
    seed = Loading::seedUsed;
    playback = replayed != nullptr ? std::make_unique<ReplayPlayback>(replayed) : nullptr;
    // A replay watched is kept already.
    replayKept = replayed != nullptr;
    news = LevelNews{};
    outcomeNoted = false;
    nextLevel.reset();
    camera = new Camera(world->Width(), world->Height());
    CentreOnHeadquarters(*camera, *world, playerSideOfBattle);
    interface = new Interface(world, camera, *commands);
    interface->SetPlayerSide(playerSideOfBattle);
    scenery.Start(ReadLevelGround(level->document), *world, interface->GetMinimap());
    // Watching a replay, the player selects and looks but gives no orders: the replay gives them.
    interface->Orders().SetEnabled(replayed == nullptr);
    cameraControl = CameraControl{};
    drawCounters.fill(0);
    drawnParticleCounter = &drawCounters[particlesDrawnCounter];
    running = true;
    ++gamesBuilt;
}

int Game::Frame(std::uint32_t elapsedMs) {
    if (gameMenu != nullptr && gameMenu->IsOpen())
        return MenuFrame();
    if (briefingOpen)
        return BriefingFrame();
    const bool stood = Stands();
    // The mouse arrives with the loading mode; without it (or the keyboard) nothing can be steered.
    if (Zelt::mouse != nullptr && Zelt::keyboard != nullptr) {
        const int cursorX = Zelt::mouse->ClientX(nullptr);
        const int cursorY = Zelt::mouse->ClientY(nullptr);
        const WorldPoint cursor =
            camera->ScreenToWorld(static_cast<float>(cursorX), static_cast<float>(cursorY));
        const bool overPanel = interface->Click(cursorX, cursorY, -1);
        TakeButtons(cursorX, cursorY, cursor.x, cursor.y, overPanel);
        TakeSpeedKeys();
        TakeSaveKeys();
        // A finished level stands still: its outcome is what the player sees.
        if (!stood && !Zelt::keyboard->ActionToggled(std::string(KeyActions::pause)))
            RunSteps(elapsedMs);
        interface->Update(elapsedMs);
        cameraControl.Update(*camera, *Zelt::mouse, *Zelt::keyboard, cursorX, cursorY, overPanel, elapsedMs);
    }
    news.MoveCamera(level->presentation, *camera, elapsedMs);
    HearFrame(*camera, *level, elapsedMs);
    DrawMap();
    interface->Draw(world->sides);
    if (CountersShown())
        DrawOverlay();
    drawCounters.fill(0);
    if (playback != nullptr)
        DrawReplayStatus();
    if (level->finished)
        NoteOutcome();
    if (stood) {
        KeepReplay();
        DrawOutcome(ReadOutcome(*world, *level), world->sides.playerSide, Zelt::configuration.screenWidth,
                    Zelt::configuration.screenHeight, playback != nullptr);
    }
    return TakeOutcomeKeys(stood);
}

// A finished level, or a replay that has run all its steps, stands still.
bool Game::Stands() const {
    return level->finished || (playback != nullptr && playback->Over(commands->NextStep()));
}

// As many steps as the frame's time pays for at the replay's speed; as fast as it goes, as many as fit in
// a slice of the frame.
void Game::RunSteps(std::uint32_t elapsedMs) {
    if (playback != nullptr && playback->Speed() == ReplaySpeed::Fastest) {
        const auto start = std::chrono::steady_clock::now();
        do
            Step();
        while (!Stands() &&
               std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() <
                   fastestStepsMsPerFrame);
        return;
    }
    const unsigned speed = playback != nullptr ? SpeedFactor(playback->Speed()) : 1;
    for (unsigned due = pacer.StepsDue(elapsedMs, speed); due > 0 && !Stands(); --due)
        Step();
}

void Game::Step() {
    const auto start = std::chrono::steady_clock::now();
    const unsigned clockBefore = world->Clock();
    StepBattle(*world, *level, *commands, commanders.get(), pacer.StepMs());
    stepLengths.Add(pacer.StepMs());
    trail.AfterStep(*world, level, clockBefore, commands->NextStep());
    lastTickMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Read once, right after the step that raised them: a paused game shows no news twice.
    SoundBeeps(world->StepEvents(), platform::Beep);
    interface->TakeEvents(world->StepEvents());
    scenery.AfterStep(*world, pacer.StepMs());
    interface->AfterStep();
    news.Follow(level->presentation, *interface);
    ++steps;
    HearStep(*world);
    if (playback != nullptr)
        WatchReplay();
}

void Game::TakeSpeedKeys() {
    for (int index = 0; index < replaySpeedCount; ++index) {
        const std::string action(KeyActions::replaySpeeds[static_cast<std::size_t>(index)]);
        if (Zelt::keyboard->ActionPresses(action, Zelt::C::takeAll) > 0 && playback != nullptr)
            playback->SetSpeed(static_cast<ReplaySpeed>(index));
    }
}

// A replay that no longer gives the recorded game says so once, from the step where it parted.
void Game::WatchReplay() {
    const std::uint32_t stepsRun = commands->NextStep();
    std::optional<std::uint32_t> astray = playback->NewDivergence(trail.Seconds());
    if (!astray && playback->Over(stepsRun) && StateDigest(*world, level) != playback->Recorded().finalDigest)
        astray = stepsRun;
    if (!astray && level->finished && !playback->Over(stepsRun))
        astray = stepsRun;
    if (astray && playback->MarkAstray(*astray))
        interface->Messages().Post(textTable.TextOf("replay_astray") + " " + std::to_string(*astray));
}

// Over a panel the interface takes finished clicks; on the map every press counts at once.
void Game::TakeButtons(int cursorX, int cursorY, float worldX, float worldY, bool overPanel) {
    for (int button = 0; button < Zelt::C::Mouse::buttonCount; ++button) {
        if (overPanel) {
            if (Zelt::mouse->TakeClicks(button, Zelt::C::takeAll) > 0)
                interface->Click(cursorX, cursorY, button);
        } else if (Zelt::mouse->TakePresses(button, Zelt::C::takeAll) > 0) {
            interface->MapPress(cursorX, cursorY, worldX, worldY, button);
        }
    }
}

// Lines grow with the zoom so outlines keep their weight on the map.
void Game::DrawMap() {
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(camera->Scale());
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    const auto screenWidth = static_cast<float>(Zelt::configuration.screenWidth);
    const auto screenHeight = static_cast<float>(Zelt::configuration.screenHeight);
    // The ground under the main panel's band is never seen. The rest of the map is drawn whole there: a
    // scissor would cut it off too, but costs the software renderer more on every triangle than it saves.
    const GroundLayer::Box band{0, 0, screenWidth, static_cast<float>(interface->MapRowsHidden())};
    scenery.DrawUnder(*camera, screenWidth, screenHeight, std::span(&band, band.Empty() ? 0 : 1));
    glPushMatrix();
    DrawWorld(*world, *camera);
    glPopMatrix();
    scenery.DrawOver(*camera, screenWidth, screenHeight);
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1.0f);
}

// Their key switches the developers' counters, and the player's settings keep the choice for the next
// game.
bool Game::CountersShown() {
    if (Zelt::keyboard != nullptr &&
        Zelt::keyboard->ActionPresses(std::string(KeyActions::switchCounters), Zelt::C::takeAll) > 0) {
        Zelt::configuration.countersShown = !Zelt::configuration.countersShown;
        if (std::string fault; !Zelt::SaveUserConfiguration(fault))
            std::fprintf(stderr, "sector-clash: %s\n", fault.c_str());
    }
    return Zelt::configuration.countersShown;
}

// The battle stands still under the menu; the map and the panels are drawn as they were.
int Game::MenuFrame() {
    DrawMap();
    interface->Draw(world->sides);
    const GameMenuChoice choice =
        gameMenu->Frame(Zelt::configuration.screenWidth, Zelt::configuration.screenHeight);
    camera->TakeSettings();
    switch (choice) {
    case GameMenuChoice::restart:
        if (!Restart())
            throw std::runtime_error("the game cannot start again: " + refusal);
        return 0;
    case GameMenuChoice::quitToStart:
        return QuitToStart();
    case GameMenuChoice::quitGame:
        return -1;
    default:
        return 0;
    }
}

// Without a start screen (a test's modes) there is nowhere to go back to, and the program ends.
int Game::QuitToStart() {
    if (Zelt::startModeIndex < 0)
        return -1;
    manager->Activate(static_cast<std::uint32_t>(Zelt::startModeIndex));
    return 0;
}

// The drawing counters count what the frame drew.
void Game::DrawOverlay() {
    std::size_t units = 0;
    for (int side = 0; side < sideCount; ++side)
        units += world->Objects(side, KindTank).Count();
    const auto effects = static_cast<unsigned>(world->LowerEffects().Count() + world->UpperEffects().Count());
    const TextFont& font = fontStore.FindFont("default");
    const double top = Zelt::configuration.screenHeight;
    glLoadIdentity();
    font.PrintText(24, top - 80, "Units: %d, Bullets: %03d, Effects: %04u", static_cast<int>(units),
                   static_cast<int>(world->Bullets().Count()), effects);
    const auto& c = drawCounters;
    font.PrintText(24, top - 100, "%08u %08u %08u %08u %08u %08u %08u %08u", c[0], c[1], c[2], c[3], c[4],
                   c[5], c[6], c[7]);
}

// Top left, below the frame rate: that this is a replay, how fast it plays, and whether it went astray.
void Game::DrawReplayStatus() const {
    std::string speed;
    if (Zelt::keyboard != nullptr && Zelt::keyboard->ActionToggled(std::string(KeyActions::pause)))
        speed = textTable.TextOf("replay_paused");
    else if (playback->Speed() == ReplaySpeed::Fastest)
        speed = textTable.TextOf("replay_fastest");
    else
        speed = std::to_string(SpeedFactor(playback->Speed())) + "x";
    std::string line = textTable.TextOf("replay") + "  " + speed;
    if (playback->Divergence())
        line += "  " + textTable.TextOf("replay_astray") + " " + std::to_string(*playback->Divergence());
    glLoadIdentity();
    fontStore.FindFont("default").DrawText(24, Zelt::configuration.screenHeight - 50, line.c_str());
}

// The keys are taken every frame, so a press made while the battle runs does not act once it has ended.
int Game::TakeOutcomeKeys(bool finished) {
    if (Zelt::keyboard == nullptr)
        return 0;
    const bool restart =
        Zelt::keyboard->ActionPresses(std::string(KeyActions::restart), Zelt::C::takeAll) > 0;
    const bool quit = Zelt::keyboard->ActionPresses(std::string(KeyActions::quit), Zelt::C::takeAll) > 0;
    const bool help = Zelt::keyboard->ActionPresses(std::string(KeyActions::help), Zelt::C::takeAll) > 0;
    if (!finished) {
        if (gameMenu != nullptr && (quit || help))
            gameMenu->Open(help && !quit);
        return 0;
    }
    if (quit)
        return QuitToStart();
    // After a campaign win Enter goes on to the next level, with its briefing.
    if (restart && nextLevel)
        levelFileName = *nextLevel;
    if (restart && !Restart())
        throw std::runtime_error("the game cannot start again: " + refusal);
    return 0;
}

// The briefing stands until Enter starts the level or Escape leaves; nothing of the battle moves meanwhile.
int Game::BriefingFrame() {
    DrawBriefing(info, levelFileName, Zelt::configuration.screenWidth, Zelt::configuration.screenHeight);
    if (Zelt::keyboard == nullptr)
        return 0;
    const bool start = Zelt::keyboard->ActionPresses(std::string(KeyActions::restart), Zelt::C::takeAll) > 0;
    const bool quit = Zelt::keyboard->ActionPresses(std::string(KeyActions::quit), Zelt::C::takeAll) > 0;
    if (quit)
        return QuitToStart();
    briefingOpen = !start;
    return 0;
}

// A win is told once, the moment the level ends.
void Game::NoteOutcome() {
    if (std::exchange(outcomeNoted, true) || !level->won || !onLevelWon)
        return;
    nextLevel = onLevelWon(levelFileName);
}

std::optional<Replay> Game::RecordedReplay() const {
    if (!running)
        return std::nullopt;
    Replay replay;
    replay.gameVersion = std::string(Zelt::GameVersion());
    replay.levelPath = levelFileName;
    replay.levelHash = levelHash;
    replay.dataHash = dataHash;
    replay.startSave = startSave;
    // A game loaded from a save starts from the save's generator, which no seed gives.
    replay.seed = startSave ? 0 : seed;
    replay.skirmish = setup.skirmish;
    replay.skirmishTanks = setup.skirmishTanks;
    replay.stepMs = pacer.StepMs();
    replay.commands = CommandsSinceSave(commands->Applied(), saveCommands);
    replay.seconds = trail.Seconds();
    replay.steps = commands->NextStep();
    replay.finalDigest = StateDigest(*world, level);
    replay.date = SecondsSince1970();
    replay.outcome = ReplayOutcomeOf(*level);
    return replay;
}

// A game that ran no step has nothing to watch again. A replay that cannot be written costs the player
// nothing else: the game goes on, and the reason is printed.
void Game::KeepReplay() {
    if (replayKept || replayFolder.empty() || !running || commands->NextStep() == savedSteps)
        return;
    replayKept = true;
    keptReplay.clear();
    keepFault.clear();
    if (!Zelt::MakeUserFolder(replayFolder))
        keepFault = replayFolder + ": cannot make the replay folder (" + std::strerror(errno) + ")";
    else
        keptReplay =
            SaveReplayInFolder(replayFolder, *RecordedReplay(), keepFault, keptReplays, startSaveBytes);
    if (!keepFault.empty())
        std::fprintf(stderr, "sector-clash: %s\n", keepFault.c_str());
}

std::string Game::QuickSavePath() {
    const std::string folder = Zelt::UserDataSubfolder("saves");
    return folder.empty() ? std::string() : folder + "/quick.save";
}

bool Game::SaveGame(const std::string& path, std::string& fault) const {
    if (!running) {
        fault = "no game runs";
        return false;
    }
    // A replay's queue holds the orders still to come: a save of it would play them out in a game of its
    // own. The replay itself is what keeps this game.
    if (playback != nullptr) {
        fault = "a replay is being watched, and the replay keeps it";
        return false;
    }
    const SavedGame saved = SaveOfBattle(setup, stepLengths, *world, level, *commands, commanders.get(),
                                         TakePlayerView(*camera, interface->Overlay()));
    if (WriteSaveFile(path, saved))
        return true;
    fault = path + ": " + std::strerror(errno);
    return false;
}

namespace {
// The saved battle built again for the window's size; the fault names the save's file.
bool RestoreAtScreenSize(const SavedGame& saved, const std::string& file, Battle& battle, BattleSetup& setup,
                         StepLengths& steps, std::string& fault) {
    const Zelt::Configuration& settings = Zelt::configuration;
    if (RestoreBattle(saved, static_cast<unsigned>(settings.screenWidth),
                      static_cast<unsigned>(settings.screenHeight), battle, setup, steps, fault))
        return true;
    fault = file + ": " + fault;
    return false;
}
} // namespace

// The saved battle is built aside first: a save that cannot be loaded leaves the running game as it was.
// The game it replaces leaves its replay as a quit game does.
bool Game::LoadGame(const std::string& path, std::string& fault) {
    SavedGame saved;
    std::string bytes;
    std::uint64_t hash = 0;
    if (!ReadSaveAndHash(path, saved, bytes, hash, fault))
        return false;
    Battle battle;
    BattleSetup loadedSetup;
    StepLengths loadedSteps;
    if (!RestoreAtScreenSize(saved, path, battle, loadedSetup, loadedSteps, fault))
        return false;
    if (running) {
        KeepReplay();
        StopHearing();
        delete interface;
        interface = nullptr;
        delete camera;
        camera = nullptr;
        delete world;
        world = nullptr;
    }
    // The save is the player's own game: the replay being watched, if any, is left for it.
    replayed = nullptr;
    replayStartFile.clear();
    startSaveBytes = std::move(bytes);
    InstallSave(saved, {SaveNameInReplay(path), hash}, std::move(battle), loadedSetup, loadedSteps);
    return true;
}

// A replay from a save plays the save's battle again, then the replay's commands on top of it.
bool Game::BuildReplayFromSave(std::string& fault) {
    SavedGame saved;
    if (!ReadReplayStartSave(*replayed, replayStartFile, saved, fault))
        return false;
    Battle battle;
    BattleSetup loadedSetup;
    StepLengths loadedSteps;
    if (!RestoreAtScreenSize(saved, replayStartFile, battle, loadedSetup, loadedSteps, fault))
        return false;
    for (const Command& command : replayed->commands)
        battle.commands->Schedule(command);
    startSaveBytes.clear();
    InstallSave(saved, *replayed->startSave, std::move(battle), loadedSetup, loadedSteps);
    return true;
}

void Game::InstallSave(const SavedGame& saved, ReplayStartSave from, Battle battle,
                       const BattleSetup& loadedSetup, const StepLengths& loadedSteps) {
    setup = loadedSetup;
    stepLengths = loadedSteps;
    startSave = std::move(from);
    saveCommands = saved.commands.size();
    savedSteps = static_cast<std::uint32_t>(saved.steps.Steps());
    levelFileName = saved.levelPath;
    skirmishTanks = saved.skirmishTanks;
    // A restart of the loaded game starts its opponents again too.
    chosenCommanders = saved.commanders;
    InstallBattle(std::move(battle), true);
    if (saved.view)
        ApplyPlayerView(*saved.view, *world, *camera, interface->Overlay());
}

// F5 and F9, with a line of news either way.
void Game::TakeSaveKeys() {
    const bool save = Zelt::keyboard->ActionPresses(std::string(KeyActions::quickSave), Zelt::C::takeAll) > 0;
    const bool load = Zelt::keyboard->ActionPresses(std::string(KeyActions::quickLoad), Zelt::C::takeAll) > 0;
    if (save)
        QuickSave();
    if (load)
        QuickLoad();
}

namespace {
// The saves folder, made when missing; false with the reason.
bool SavesFolderReady(std::string& fault) {
    const std::string folder = Zelt::UserDataSubfolder("saves");
    if (folder.empty())
        fault = "no folder for saves (HOME is not set)";
    else if (!Zelt::MakeUserFolder(folder))
        fault = folder + ": " + std::strerror(errno);
    return fault.empty();
}
} // namespace

void Game::QuickSave() {
    std::string fault;
    if (SavesFolderReady(fault) && SaveGame(QuickSavePath(), fault))
        interface->Messages().Post(textTable.TextOf("msg_game_saved"));
    else
        interface->Messages().Post(textTable.TextOf("msg_save_failed") + ": " + fault);
}

void Game::QuickLoad() {
    const std::string path = QuickSavePath();
    std::string fault;
    if (path.empty())
        fault = "no folder for saves (HOME is not set)";
    else if (LoadGame(path, fault))
        return interface->Messages().Post(textTable.TextOf("msg_game_loaded"));
    interface->Messages().Post(textTable.TextOf("msg_load_failed") + ": " + fault);
}

bool Game::Restart() {
    KeepReplay();
    TearDown();
    // Every game starts from a seed of its own, so that its replay can start the generator there again: a
    // new one drawn from where the last game left the generator, or the replay's own.
    Loading::seedUsed = replayed != nullptr
                            ? replayed->seed
                            : static_cast<std::uint32_t>(randomGenerator.Next() * 4294967296.0);
    randomGenerator.Reseed(Loading::seedUsed);
    return Enter();
}

void Game::Leave() {
    KeepReplay();
    TearDown();
}

// The world goes before the constants its objects point into and the drawings they draw with.
void Game::TearDown() {
    if (!running)
        return;
    running = false;
    StopHearing();
    drawnParticleCounter = nullptr;
    delete interface;
    interface = nullptr;
    delete camera;
    camera = nullptr;
    delete world;
    world = nullptr;
    commanders.reset();
    commands.reset();
    level = nullptr;
    Constants::ReleaseConstants();
    drawingStore.Release();
    ReleaseDrawingDisplay();
}

} // namespace Vorn::Mode
