// What a player reads of a fight at a glance: a health bar over every damaged unit and building in sight
// (over all of them while the key is held), in its side's colour, and a short flash on whatever was hit.
// Reads the world and its step events; never changes them.
//
//   bars.TakeEvents(world.StepEvents());   // after each step
//   bars.Age(elapsedMs);                   // every frame
//   bars.Draw(world, camera, showAll, screenWidth, screenHeight);
#pragma once

#include "world/WorldEvent.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace Vorn {

class Camera;
class World;

class HealthBars {
public:
    // How long a hit unit flashes.
    static constexpr unsigned flashMs = 140;
    // A battle of hundreds of tanks hits many at once; beyond this the oldest flashes give way.
    static constexpr std::size_t mostFlashes = 512;

    struct Bar {
        // Screen pixels, y up: the bar's centre and its width.
        float x, y, width;
        float fraction;
        float red, green, blue;
    };
    struct Flash {
        // Screen pixels, y up, and the radius in pixels.
        float x, y, radius;
        // 1 when the hit has just landed, falling to 0.
        float strength;
    };

    void TakeEvents(const WorldEvents& events);
    void Age(unsigned elapsedMs);
    // The bars and flashes for the camera's view: tanks, towers and buildings the player's fog lets them see,
    // damaged ones only unless `showAll`.
    std::vector<Bar> Bars(World& world, const Camera& camera, bool showAll, int screenWidth,
                          int screenHeight) const;
    std::vector<Flash> Flashes(const World& world, const Camera& camera, int screenWidth,
                               int screenHeight) const;
    // Needs GL, in screen pixels with y up.
    void Draw(World& world, const Camera& camera, bool showAll, int screenWidth, int screenHeight) const;
    std::size_t FlashCount() const { return flashes.size(); }

private:
    void StartFlash(std::uint64_t serial);

    // Remaining milliseconds by the serial of the object hit.
    std::unordered_map<std::uint64_t, unsigned> flashes;
};

} // namespace Vorn
