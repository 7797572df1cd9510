// The game: builds a battle from the level, advances it every frame and draws it.
#include "game/GameMode.h"

#include "game/Camera.h"
#include "graphics/DrawingStore.h"
#include "interface/Interface.h"
#include "rules/ConstantsLoader.h"
#include "shell/Configuration.h"
#include "shell/InputDeviceWorker.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"
#include "world/World.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

namespace Vorn::Mode {

namespace {
constexpr int playerSide = 3;
} // namespace

bool Game::Enter() {
    drawingStore.Load();
    Constants::LoadConstants();
    // Every object a game creates needs its record: a game whose constants lack entries does not start.
    std::string refusal = Constants::MissingConstantsMessage();
    if (!refusal.empty()) {
        std::fprintf(stderr, "sector-clash: %s\n", refusal.c_str());
        Constants::ReleaseConstants();
        drawingStore.Release();
        return false;
    }
    BuildGame();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    running = true;
    return true;
}

void Game::BuildGame() {
    const Zelt::Configuration& settings = Zelt::configuration;
    world = new World(levelFileName, static_cast<unsigned>(settings.screenWidth),
                      static_cast<unsigned>(settings.screenHeight));
    camera = new Camera(world->Width(), world->Height());
    interface = new Interface(world, camera);
    world->fog.Reset(playerSide);
    interface->SetPlayerSide(playerSide);
    world->sides[playerSide].name = "Vendel";
    world->sides.playerSide = playerSide;
    cameraControl = CameraControl{};
}

int Game::Frame(std::uint32_t elapsedMs) {
    // The mouse arrives with the loading mode; without it (or the keyboard) nothing can be steered.
    if (Zelt::mouse != nullptr && Zelt::keyboard != nullptr) {
        const int cursorX = Zelt::mouse->ClientX(nullptr);
        const int cursorY = Zelt::mouse->ClientY(nullptr);
        const WorldPoint cursor = camera->ScreenToWorld(static_cast<float>(cursorX), static_cast<float>(cursorY));
        const bool overPanel = interface->Click(cursorX, cursorY, -1);
        TakeButtons(cursorX, cursorY, cursor.x, cursor.y, overPanel);
        if (!Zelt::keyboard->ActionToggled("pause")) {
            world->Tick(elapsedMs);
        }
        interface->Update(elapsedMs);
        cameraControl.Update(*camera, *Zelt::mouse, *Zelt::keyboard, cursorX, cursorY, overPanel, elapsedMs);
    }
    DrawMap();
    interface->Draw(world->sides);
    return 0;
}

// Over a panel the interface takes finished clicks; on the map every press counts at once.
void Game::TakeButtons(int cursorX, int cursorY, float worldX, float worldY, bool overPanel) {
    for (int button = 0; button < Zelt::C::Mouse::buttonCount; ++button) {
        if (overPanel) {
            if (Zelt::mouse->TakeClicks(button, Zelt::C::takeAll) > 0) {
                interface->Click(cursorX, cursorY, button);
            }
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

void Game::Leave() {
    if (!running) {
        return;
    }
    running = false;
    delete interface;
    interface = nullptr;
    delete camera;
    camera = nullptr;
    delete world;
    world = nullptr;
    Constants::ReleaseConstants();
    drawingStore.Release();
}

} // namespace Vorn::Mode
