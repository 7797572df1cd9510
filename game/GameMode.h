// The game: builds a battle from the level, advances it every frame and draws it.
#pragma once

#include "game/CameraControl.h"
#include "shell/Mode.h"

namespace Vorn::Mode {

class Game : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    // Builds the world, the camera and the interface and publishes them in their globals.
    bool Enter() override;
    int Frame(std::uint32_t elapsedMs) override;
    // Takes the game down in reverse and clears the globals.
    void Leave() override;

    // The level every game starts with.
    static constexpr const char* levelFileName = "levels/level0.xml";

private:
    void BuildGame();
    void TakeButtons(int cursorX, int cursorY, float worldX, float worldY, bool overPanel);
    void DrawMap();

    CameraControl cameraControl;
    bool running = false;
};

} // namespace Vorn::Mode
