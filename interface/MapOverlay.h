// The part of the interface that deals with the map itself: the player's selection and the presses on
// the map. For now it only keeps the selection and counts the presses; selecting and giving orders come
// with the selection commands.
#pragma once

#include "world/ObjectRef.h"

#include <vector>

namespace Vorn {

class Camera;
class Interface;
class Object;
class World;

class MapOverlay {
public:
    MapOverlay(Interface* owner, World* world, Camera* camera);

    // A press on the map at a world point, from the game mode or the minimap.
    void PressAt(float worldX, float worldY, int button);
    // Drops what is no longer in the world, keeping the order of the rest.
    void Update(unsigned elapsedMs);
    void Draw() const {}

    // The selected objects, all alive since the last Update.
    const std::vector<Object*>& Selection() const { return selection; }
    void Select(const std::vector<Object*>& objects);
    unsigned Presses() const { return presses; }
    void SetPlayerSide(int side) { playerSide = side; }

private:
    World* world;
    int playerSide = 3;
    std::vector<ObjectRef> selected;
    std::vector<Object*> selection;
    unsigned presses = 0;
};

} // namespace Vorn
