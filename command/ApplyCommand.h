// The one door into the simulation: every order a side gives (the player's through the interface, a
// replay's, a computer opponent's) is a Command carried out here, at the start of its step, with the
// rules the game has always applied to the player's orders.
#pragma once

namespace Vorn {

struct Command;
class World;

// Units the command names that are gone, or are not the command's side's, are left out; a command whose
// units are all left out does nothing, as a player's order to a unit that has just died does nothing. A
// command the side cannot carry out (a busy or wrong building, an overloaded design, nothing finished, a
// point or type out of range) changes nothing and reports OrderRefused; a place the placement rules refuse
// reports PlacementRefused with the placement status. Random decisions (the attack's ring) draw from the
// simulation's generator here, so a game played again draws the same.
void ApplyCommand(World& world, const Command& command);

} // namespace Vorn
