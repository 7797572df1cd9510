// The state of a world as a save holds it: the clock and counters, the sides, the fog, every object of
// every container in the order the world walks them, and the bullets in flight. Read back into a world
// made from the same level, it gives a world that steps on as the saved one would.
#pragma once

#include <string>
#include <string_view>

namespace Vorn {

class World;

// The body of the state section. Changes nothing in the world.
std::string WriteWorldState(World& world);

// Reads the state into a world just made from the saved level, with nothing filed in it yet and the data
// (constants, drawings) the save was written with. False with one line in `fault` at the first field out
// of its range, a count beyond what the body holds, or references that do not resolve; the world is then
// half filled and must be thrown away.
bool ReadWorldState(std::string_view body, World& world, std::string& fault);

} // namespace Vorn
