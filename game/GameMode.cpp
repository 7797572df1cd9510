// The game: builds a battle from the level, advances it every frame and draws it.
#include "game/GameMode.h"

#include "game/LoadingBar.h"
#include "graphics/DrawingStore.h"
#include "graphics/PanelBackground.h"
#include "platform/GlContext.h"
#include "rules/ConstantsLoader.h"
#include "shell/Configuration.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

namespace Vorn::Mode {

namespace {

// The main panel's band along the bottom of the screen. The Interface takes this over (it builds the list
// for the screen width and a height of 81 and deletes it with itself); until then the game mode shows it.
unsigned int panelBackground = 0;

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
    panelBackground = BuildPanelBackground(Zelt::configuration.screenWidth, 81);
    return true;
}

int Game::Frame(std::uint32_t) {
    if (panelBackground != 0) {
        glLoadIdentity();
        glTranslatef(0.375f, 0.375f, 0.0f);
        glCallList(panelBackground);
    }
    // Until the world is built, the game shows the finished loading bar.
    DrawLoadingBar(9);
    return 0;
}

void Game::Leave() {
    if (panelBackground != 0 && platform::GlContext::IsAnyCurrent()) {
        glDeleteLists(panelBackground, 1);
    }
    panelBackground = 0;
    Constants::ReleaseConstants();
    drawingStore.Release();
}

} // namespace Vorn::Mode
