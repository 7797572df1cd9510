// The moments of the game that can have a sound, by the names "sounds.xml" maps them under. A world event
// is heard through the cue of its kind and detail ("Shot.Cannon1", "Explosion.ExplosionMine"), else through
// its kind's cue ("Shot"), so a modder maps one sound for every turret and then picks out a few.
#pragma once

#include "world/WorldEvent.h"

#include <span>
#include <string>
#include <string_view>

namespace Vorn {

// Sounds the interface and the outcome screen ask for, beside the world's events.
enum class InterfaceCue { Click, Hover, Won, Lost };
inline constexpr int interfaceCueCount = 4;

// "Shot", "Impact", ... as WorldEventKind names them; the level's beep has no cue (it stays a tone).
std::string KindCueName(WorldEventKind kind);
// "Shot.Gun1", "Impact.Armour", "UnitDestroyed.Tower", ...; empty for a kind without details or a detail
// out of range.
std::string DetailCueName(WorldEventKind kind, int detail);
// How many details a kind names cues for (turret types, impact targets, ...); 0 when it has none.
int CueDetailCount(WorldEventKind kind);
// "Interface.Click", "Interface.Hover", "Outcome.Won", "Outcome.Lost".
std::string InterfaceCueName(InterfaceCue cue);

// Every cue name the game asks for, kinds first, each followed by its details, then the interface's.
std::span<const std::string> AllCueNames();
bool IsCueName(std::string_view name);

// Events heard where they happen (shots, impacts, explosions, deaths): from any side, quieter away from
// the view, not at all under the fog. The others are the player's own side's news, heard only by it,
// from the middle.
bool IsHeardWhereItHappens(WorldEventKind kind);

// The shortest time between two plays of a cue when "sounds.xml" gives none: an alert every few seconds
// at most, however many units are hit.
int DefaultCueIntervalMs(WorldEventKind kind);

// The kinds with cues, in WorldEventKind order (every kind but the beep).
inline constexpr WorldEventKind cuedKinds[] = {WorldEventKind::Shot,
                                               WorldEventKind::Impact,
                                               WorldEventKind::Explosion,
                                               WorldEventKind::UnitDestroyed,
                                               WorldEventKind::BuildingDestroyed,
                                               WorldEventKind::ProductionFinished,
                                               WorldEventKind::ReadyToPlace,
                                               WorldEventKind::PlacementRefused,
                                               WorldEventKind::OrderRefused,
                                               WorldEventKind::MoneyRunningOut,
                                               WorldEventKind::UnderAttack};

} // namespace Vorn
