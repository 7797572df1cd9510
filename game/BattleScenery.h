// What the battle is drawn on and what it leaves there: the level's ground and edge under everything on
// the map, and the same ground on the minimap. Decoration only: it reads the world and never changes it.
//
//   scenery.Start(ReadLevelGround(levelDocument), world, minimap);   // once the textures exist
//   scenery.DrawUnder(camera, screenWidth, screenHeight);   // before World::Draw
//   scenery.DrawOver(camera, screenWidth, screenHeight);    // after it, over the fog
#pragma once

#include "game/LevelGround.h"
#include "graphics/GroundLayer.h"

namespace Vorn {

class Minimap;
class World;
class WorldCamera;

class BattleScenery {
public:
    // Chooses the ground for the world's map and gives the minimap its picture of it. Needs GL.
    void Start(const LevelGround& ground, const World& world, Minimap& minimap);
    // Both under the camera's transform, as the world draws, leaving the current matrix as it was; need GL.
    // The ground, under everything on the map:
    void DrawUnder(const WorldCamera& camera, float screenWidth, float screenHeight) const;
    // What lies beyond the map's edge, over the fog:
    void DrawOver(const WorldCamera& camera, float screenWidth, float screenHeight) const;

    // Half the side of the square the world's drawing covers around the view's centre.
    static float ViewRadius(float zoom, float screenWidth, float screenHeight);

private:
    GroundLayer ground;
};

} // namespace Vorn
