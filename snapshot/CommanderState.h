// The state of a battle's computer opponents as a save holds it: each commander in the order started (the
// order they think in), with its side, its difficulty by name, what its side has seen of the map, when each
// part thinks next and everything its parts remember between two thoughts.
#pragma once

#include <string>
#include <string_view>

namespace Vorn {

class CommanderSet;
class World;

// The body of the opponents' section; null (a replay's battle, whose opponents do not think) writes none.
// Changes nothing.
std::string WriteCommanderState(const CommanderSet* commanders);

// Starts the commanders of the state in `commanders`, which must have none yet and the difficulties the
// save was written with, and fills in their state. The world must be read already: a serial the state
// names must have been given out, and where its object still stands it must be of the kind and side the
// commander took it for (a tank of its own for the scout and the units it leads, an enemy for what it
// saw). Serials of objects gone since stay as they are: the commander forgets them itself. False with one
// line in `fault`; the set is then to be thrown away.
bool ReadCommanderState(std::string_view body, const World& world, CommanderSet& commanders,
                        std::string& fault);

} // namespace Vorn
