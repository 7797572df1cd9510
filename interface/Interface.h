// Everything drawn over the map. For now a plain stand-in: the main panel's band and no panels, so every
// click goes to the map.
#pragma once

#include "game/MapOverlay.h"

namespace Vorn {

class Camera;
class SideTable;
class World;

class Interface {
public:
    // Needs a current GL context for the panel band; without one the band is left out.
    Interface(World* world, Camera* camera);
    ~Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    void Update(unsigned elapsedMs);
    void Draw(const SideTable& sides);
    // True when a panel takes the click at window coordinates (y down); button -1 only asks whether the
    // cursor is over a panel. No panel exists yet, so the answer is always false.
    bool Click(int x, int y, int button);
    // A press on the map at window coordinates and at the world point under them.
    void MapPress(int x, int y, float worldX, float worldY, int button);
    // A click at a world point, as the minimap gives one.
    void MapClick(float worldX, float worldY, int button);

    int PlayerSide() const { return playerSide; }
    void SetPlayerSide(int side) {
        playerSide = side;
        overlay.SetPlayerSide(side);
    }
    // Presses that reached the map, for whoever wants to know the map was clicked.
    unsigned MapPresses() const { return overlay.Presses(); }
    MapOverlay& Overlay() { return overlay; }

private:
    World* world;
    Camera* camera;
    unsigned int panelBackground = 0;
    int playerSide = 3;
    MapOverlay overlay;
};

// The interface of the running game; set by the game mode while a game runs, null otherwise.
extern Interface* interface;

} // namespace Vorn
