// What happened in a step that a player would notice: the simulation's one door out. The presentation
// (the message line, the minimap, sounds, scars on the ground) reads the step's events after the step;
// nothing in the simulation ever reads them, so what is shown or heard cannot change the battle.
//
//   world.Tick(16);
//   for (const WorldEvent& event : world.StepEvents()) ... event.kind, event.side, event.x, event.y ...
#pragma once

#include <cstdint>
#include <vector>

namespace Vorn {

enum class WorldEventKind : std::uint8_t {
    Shot,               // a turret fired, at its carrier; detail: its TurretType
    Impact,             // a bullet ended its flight, under its shooter's side; detail: the ImpactTarget
    Explosion,          // an explosion blasts, under the side whose weapon it was; detail: its ExplosionType
    UnitDestroyed,      // a tank or tower; detail: unitDestroyedTank or unitDestroyedTower
    BuildingDestroyed,  // detail: its BuildingType
    ProductionFinished, // a tank left its factory, or ammunition was stocked; detail: what was made
    ReadyToPlace,       // an order of a headquarters or defence works is complete; detail: what was made
    PlacementRefused,   // detail: the placement status that refused it
    OrderRefused,       // a command the side could not carry out; detail: why
    MoneyRunningOut,    // a side's production stalls for want of money
    UnderAttack,        // a unit or building of the side was hit by an enemy; detail: its ObjectKind
    Beep,               // the level's "beep"
};

// The detail of UnitDestroyed.
inline constexpr int unitDestroyedTank = 0;
inline constexpr int unitDestroyedTower = 1;

// What a bullet struck, for an impact's sound and mark: a tank's or tower's armour, a building, or the
// ground (an obstacle, a wreck, debris, or nothing at the end of its range).
enum class ImpactTarget : std::uint8_t { Ground, Armour, Building };

struct WorldEvent {
    WorldEventKind kind = WorldEventKind::Beep;
    // The side the event concerns (the shooter's, the victim's, the producer's), or 7 (noSide) for none.
    int side = 7;
    float x = 0;
    float y = 0;
    // What kind of shot, explosion, product or refusal: see the kind above.
    int detail = 0;
    // The serial of the object concerned, or 0.
    std::uint64_t subject = 0;
};

// The events of the last step, in the order they happened. The world clears it when a step begins.
using WorldEvents = std::vector<WorldEvent>;

} // namespace Vorn
