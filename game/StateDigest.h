// One 64-bit number for the whole state of a simulation, so that two runs can be compared at a glance.
#pragma once

#include <cstdint>
#include <string>

namespace Vorn {

class Level;
class Object;
class World;

// FNV-1a over the bytes it is fed; floats by their bits, so equal states give equal digests exactly.
class DigestWriter {
public:
    void Add(std::uint64_t value);
    void Add(std::int64_t value) { Add(static_cast<std::uint64_t>(value)); }
    void Add(int value) { Add(static_cast<std::int64_t>(value)); }
    void Add(unsigned value) { Add(static_cast<std::uint64_t>(value)); }
    void Add(float value);
    void Add(bool value) { Add(static_cast<std::uint64_t>(value)); }

    std::uint64_t Value() const { return hash; }

private:
    std::uint64_t hash = 0xcbf29ce484222325ull;
};

// Whatever of one object the digest covers: its kind, side, position, heading, hit points and
// ammunition. New fields of an object go here.
void AddObjectState(DigestWriter& digest, int kind, const Object& object);

// Every object of every side and kind in the world's walk order, the bullets, the number of effects, each
// side's money, the world clock, and (when given) the level clock and outcome.
std::uint64_t StateDigest(World& world, const Level* level);

// Sixteen lower-case hexadecimal digits.
std::string DigestText(std::uint64_t digest);

} // namespace Vorn
