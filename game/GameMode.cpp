// The game: builds a battle from the level, advances it every frame and draws it.
#include "game/GameMode.h"

#include "command/SimulationStep.h"
#include "game/Battle.h"
#include "game/BriefingScreen.h"
#include "game/Camera.h"
#include "game/GameSounds.h"
#include "game/KeyActions.h"
#include "game/LevelBeep.h"
#include "game/LevelFile.h"
#include "game/Outcome.h"
#include "game/OutcomeScreen.h"
#include "game/StartView.h"
#include "game/StateDigest.h"
#include "graphics/DrawCounters.h"
#include "graphics/DrawingStore.h"
#include "graphics/FontStore.h"
#include "graphics/ParticleSystem.h"
#include "interface/Interface.h"
#include "platform/Beep.h"
#include "replay/ReplayInputs.h"
#include "rules/ConstantsLoader.h"
#include "shell/Configuration.h"
#include "shell/GameVersion.h"
#include "shell/InputDeviceWorker.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"
#include "world/World.h"

#include <GL/gl.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <utility>

namespace Vorn::Mode {

std::string Game::levelFileName = Game::defaultLevelFileName;
std::optional<int> Game::skirmishTanks;
std::shared_ptr<const Replay> Game::replayed;
bool Game::showBriefing = false;
std::function<std::optional<std::string>(const std::string&)> Game::onLevelWon;

bool Game::Enter() {
    refusal.clear();
    drawingStore.Load();
    Constants::LoadConstants();
    // Every object a game creates needs its record: a game whose constants lack entries does not start.
    if (std::string missing = Constants::MissingConstantsMessage(); !missing.empty())
        return Refuse(missing);
    Brisk::Node document;
    if (std::string error; !ReadLevelFile(levelFileName, document, error))
        return Refuse(error);
    info = ReadLevelInfo(document);
    BuildGame(std::move(document));
    briefingOpen = showBriefing && !info.briefing.empty();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return true;
}

// Whoever activated the game reports the reason (the loading mode ends the program with it).
bool Game::Refuse(const std::string& reason) {
    refusal = reason;
    Constants::ReleaseConstants();
    drawingStore.Release();
    return false;
}

// The battle (level, its "start", the skirmish, the player's side) is set up exactly as the simulator sets
// it up, so a seeded game and a seeded simulation are the same game.
void Game::BuildGame(Brisk::Node document) {
    const Zelt::Configuration& settings = Zelt::configuration;
    Battle battle = StartBattle(std::move(document), static_cast<unsigned>(settings.screenWidth),
                                static_cast<unsigned>(settings.screenHeight), true, skirmishTanks);
    level = battle.level;
    world = battle.world.release();
    commands = std::move(battle.commands);
    if (replayed != nullptr)
        for (const Command& command : replayed->commands)
            commands->Schedule(command);
    trail = ReplayTrail{};
    levelHash = HashOfFile(LevelFilePath(levelFileName)).value_or(0);
    dataHash = SimulationDataHash();
    stepMs = 0;
    stepsAlike = true;
    news = LevelNews{};
    outcomeNoted = false;
    nextLevel.reset();
    camera = new Camera(world->Width(), world->Height());
    CentreOnHeadquarters(*camera, *world, playerSideOfBattle);
    interface = new Interface(world, camera, *commands);
    interface->SetPlayerSide(playerSideOfBattle);
    cameraControl = CameraControl{};
    drawCounters.fill(0);
    ParticleSystem::drawnParticleCounter = &drawCounters[particlesDrawnCounter];
    running = true;
    ++gamesBuilt;
}

int Game::Frame(std::uint32_t elapsedMs) {
    if (briefingOpen)
        return BriefingFrame();
    const bool finished = level->finished;
    // The mouse arrives with the loading mode; without it (or the keyboard) nothing can be steered.
    if (Zelt::mouse != nullptr && Zelt::keyboard != nullptr) {
        const int cursorX = Zelt::mouse->ClientX(nullptr);
        const int cursorY = Zelt::mouse->ClientY(nullptr);
        const WorldPoint cursor =
            camera->ScreenToWorld(static_cast<float>(cursorX), static_cast<float>(cursorY));
        const bool overPanel = interface->Click(cursorX, cursorY, -1);
        TakeButtons(cursorX, cursorY, cursor.x, cursor.y, overPanel);
        // A finished level stands still: its outcome is what the player sees.
        if (!finished && !Zelt::keyboard->ActionToggled(std::string(KeyActions::pause))) {
            Step(elapsedMs);
            interface->AfterStep();
        }
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
    if (finished)
        NoteOutcome();
    if (finished)
        DrawOutcome(ReadOutcome(*world, *level), world->sides.playerSide, Zelt::configuration.screenWidth,
                    Zelt::configuration.screenHeight);
    return TakeOutcomeKeys(finished);
}

void Game::Step(std::uint32_t elapsedMs) {
    const auto start = std::chrono::steady_clock::now();
    const unsigned clockBefore = world->Clock();
    StepSimulation(*world, *commands, elapsedMs);
    trail.AfterStep(*world, level, clockBefore, commands->NextStep());
    lastTickMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    stepsAlike = stepsAlike && (stepMs == 0 || stepMs == elapsedMs);
    stepMs = elapsedMs;
    // Read once, right after the step that raised them: a paused game shows no news twice.
    SoundBeeps(world->StepEvents(), platform::Beep);
    interface->TakeEvents(world->StepEvents());
    news.Follow(level->presentation, *interface);
    ++steps;
    HearStep(*world);
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
    world->Draw(*camera);
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1.0f);
}

// The settings say whether the developers' counters show; their key switches them the other way.
bool Game::CountersShown() const {
    const bool switched =
        Zelt::keyboard != nullptr && Zelt::keyboard->ActionToggled(std::string(KeyActions::switchCounters));
    return Zelt::configuration.countersShown != switched;
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

// The keys are taken every frame, so a press made while the battle runs does not act once it has ended.
int Game::TakeOutcomeKeys(bool finished) {
    if (Zelt::keyboard == nullptr)
        return 0;
    const bool restart =
        Zelt::keyboard->ActionPresses(std::string(KeyActions::restart), Zelt::C::takeAll) > 0;
    const bool quit = Zelt::keyboard->ActionPresses(std::string(KeyActions::quit), Zelt::C::takeAll) > 0;
    if (!finished)
        return 0;
    if (quit)
        return -1;
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
        return -1;
    briefingOpen = !start;
    return 0;
}

// A win is told once, the moment the level ends.
void Game::NoteOutcome() {
    if (std::exchange(outcomeNoted, true) || !level->won || !onLevelWon)
        return;
    nextLevel = onLevelWon(levelFileName);
}

std::optional<Replay> Game::RecordedReplay(std::uint32_t seed) const {
    // A game built again goes on with the generator where the last one left it, which no seed gives back.
    if (!running || !stepsAlike || gamesBuilt != 1)
        return std::nullopt;
    Replay replay;
    replay.gameVersion = std::string(Zelt::GameVersion());
    replay.levelPath = levelFileName;
    replay.levelHash = levelHash;
    replay.dataHash = dataHash;
    replay.seed = seed;
    replay.skirmish = true;
    replay.skirmishTanks = skirmishTanks;
    replay.stepMs = stepMs == 0 ? 16 : stepMs;
    replay.commands = commands->Applied();
    replay.seconds = trail.Seconds();
    replay.steps = commands->NextStep();
    replay.finalDigest = StateDigest(*world, level);
    return replay;
}

bool Game::Restart() {
    TearDown();
    return Enter();
}

void Game::Leave() {
    TearDown();
}

// The world goes before the constants its objects point into and the drawings they draw with.
void Game::TearDown() {
    if (!running)
        return;
    running = false;
    StopHearing();
    ParticleSystem::drawnParticleCounter = nullptr;
    delete interface;
    interface = nullptr;
    delete camera;
    camera = nullptr;
    delete world;
    world = nullptr;
    commands.reset();
    level = nullptr;
    Constants::ReleaseConstants();
    drawingStore.Release();
}

} // namespace Vorn::Mode
