// What the battle is drawn on and what it leaves there: the level's ground and edge under everything on
// the map, the same ground on the minimap, and the scars the fighting leaves on it. Decoration only: it
// reads the world and its step events and never changes them, nor draws from the battle's generator.
//
//   scenery.Start(ReadLevelGround(levelDocument), world, minimap);   // once the textures exist
//   scenery.AfterStep(world, stepMs);                                // after every step
//   scenery.DrawUnder(camera, screenWidth, screenHeight);   // before World::Draw
//   scenery.DrawOver(camera, screenWidth, screenHeight);    // after it, over the fog
#pragma once

#include "game/LevelGround.h"
#include "graphics/BattleScars.h"
#include "graphics/GroundLayer.h"

#include <cstdint>
#include <span>
#include <unordered_map>

namespace Vorn {

class FogOfWar;
class Minimap;
class World;
class WorldCamera;

class BattleScenery {
public:
    // Chooses the ground for the world's map and gives the minimap its picture of it. Needs GL.
    void Start(const LevelGround& ground, const World& world, Minimap& minimap);
    // Both under the camera's transform, as the world draws, leaving the current matrix as it was; need GL.
    // The ground and the scars of battle on it, under everything on the map, but the ground wholly under the
    // `covered` window boxes (pixels from the lower left corner) that opaque panels replace later; until
    // DrawOver, the world's fog leaves out what DrawOver will cover:
    void DrawUnder(const WorldCamera& camera, float screenWidth, float screenHeight,
                   std::span<const GroundLayer::Box> covered = {}) const;
    // What lies beyond the map's edge, over the fog:
    void DrawOver(const WorldCamera& camera, float screenWidth, float screenHeight) const;

    // Scars for the step's explosions and destroyed buildings, tracks where tanks drove, and the older scars
    // fade by the step's time, so a paused battle keeps its look.
    void AfterStep(World& world, unsigned stepMs);
    const BattleScars& Scars() const { return scars; }

    // Half the side of the square the world's drawing covers around the view's centre.
    static float ViewRadius(float zoom, float screenWidth, float screenHeight);

    // How much of the scenery every battle draws: all of it in the game; the headless driver leaves layers
    // out to measure what each costs a frame. The edge and what lies beyond it are drawn whatever this says.
    enum class Layers { None, Ground, All };
    static void SetLayers(Layers shown) { layers = shown; }

private:
    static inline Layers layers = Layers::All;

    void TakeEvents(const World& world);
    void LayTracks(World& world);
    struct TrackEnd {
        float x, y;
    };
    void LayTrack(const TrackEnd& from, const TrackEnd& to, float size, float length);

    GroundLayer ground;
    BattleScars scars;
    // The fog of the world last started or stepped: the ground it hides is not drawn.
    const FogOfWar* fog = nullptr;
    // Where each tank's last track mark ended, by serial.
    std::unordered_map<std::uint64_t, TrackEnd> trackEnds;
    std::unordered_map<std::uint64_t, TrackEnd> nextTrackEnds;
};

} // namespace Vorn
