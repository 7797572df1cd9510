// The attack part's decisions: which target, when to set out, and which tanks go back to be repaired.
#pragma once

#include "commander/Commander.h"
#include "commander/Difficulty.h"
#include "commander/SideView.h"

#include <optional>

namespace Vorn {

// Known enemies this near the target take part in its defence.
inline constexpr float targetDefenceRadius = 700;

// Where a tank gathering at the rally point stands: one of a square of spots, chosen by its serial.
MapPoint GatherSpot(MapPoint rally, std::uint64_t serial);

// Production first (factories, headquarters, defence buildings), then power, then the rest; the nearest
// to (x, y) within the first class that has any. Towers are not targets of their own: they are part of a
// target's defence.
std::optional<KnownObject> PickTarget(const SideView& view, float x, float y);
// The strength of the known enemy tanks and towers within targetDefenceRadius of the target.
float KnownDefenceOf(const SideView& view, float x, float y);

// A tank below the plan's share of its hit points goes back; one being repaired comes back at the rejoin
// share.
bool NeedsRepair(float hitPointFraction, const AttackPlan& plan);
bool IsRepaired(float hitPointFraction, const AttackPlan& plan);

} // namespace Vorn
