// What a battle leaves on the ground: scorch marks, craters, rubble and tank tracks. Each fades over
// minutes; there are at most so many of each (the oldest go first), and all are drawn as one batch from
// one texture. Decoration only: nothing in the battle reads them.
//
//   scars.Add(BattleScars::Crater, x, y, 40, 30);
//   scars.Age(elapsedMs);
//   scars.Draw(centreX, centreY, radius);   // under the camera's matrix, over the ground
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace Vorn {

class BattleScars {
public:
    // The cells of the "scars" texture, left to right, top to bottom.
    enum Kind { Scorch, Crater, Rubble, Track, kindCount };

    // Tracks come by the thousand and fade soonest; they have their own bound, so a battle of many tanks
    // never wipes out its craters.
    static constexpr std::size_t mostMarks = 1024;
    static constexpr std::size_t mostTracks = 4096;
    static constexpr unsigned markLifeMs = 240000;
    static constexpr unsigned trackLifeMs = 60000;

    struct Scar {
        Kind kind;
        float x, y;
        // Half the side of the square it covers, in world units.
        float size;
        // Degrees, turning the picture.
        float angle;
        unsigned ageMs = 0;
    };

    void Add(Kind kind, float x, float y, float size, float angle);
    void Age(unsigned elapsedMs);
    // 1 when new, falling evenly to 0 at the end of its life.
    static float Opacity(const Scar& scar);
    // The scars reaching into the box of half side `radius` around the centre, as textured quads of the
    // "scars" texture in one batch. Needs GL and the texture store; leaves texturing off.
    void Draw(float centreX, float centreY, float radius) const;

    const std::deque<Scar>& Marks() const { return marks; }
    const std::deque<Scar>& Tracks() const { return tracks; }

    // A corner of a scar's quad as drawn: world position, place in the "scars" texture, colour.
    struct Corner {
        float x, y;
        float u, v;
        std::uint8_t colour[4];
    };

private:
    std::deque<Scar> marks;
    std::deque<Scar> tracks;
    // The last Draw's corners, kept so drawing allocates nothing once the battle has left its scars.
    mutable std::vector<Corner> corners;
};

} // namespace Vorn
