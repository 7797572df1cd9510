// How the side's base stands against the attacks it has seen: the strength of the enemy tanks seen near
// its buildings, against what stays home to meet them (its towers and the tanks near its headquarters).
// A base that has been attacked harder than it can answer builds towers on the approach the attack came
// from and keeps its army home until it holds.
#pragma once

#include "commander/Commander.h"
#include "commander/Difficulty.h"

namespace Vorn {

class SideView;
class World;

// An enemy tank seen this recently counts as a threat, to the base and to the approach alike.
constexpr unsigned threatMemoryMs = 3000;

struct BaseThreat {
    // The fighting strength of the enemy tanks seen near the side's buildings (GroupStrength).
    float strength = 0;
    // Where they are, on average; meaningful only with a strength above 0.
    MapPoint centre;
};

// Enemy tanks seen within `radius` of any building of the side, lately (a few seconds).
BaseThreat ThreatAtBase(World& world, int side, const SideView& view, float radius);
// What meets an attack at home: the side's towers and the tanks within `radius` of its headquarters
// that are neither scouting nor out on an attack.
float HomeStrength(World& world, int side, const Commander& commander, float radius);
// Whether the home defence falls short of the strongest attack seen by the plan's margin.
bool HomeOutmatched(float home, float strongestAttack, const DefencePlan& plan);
// The towers the defence builds: the plan's number, and up to its most while the base holds for towers.
int TowersWanted(const DefencePlan& plan, bool holding);

} // namespace Vorn
