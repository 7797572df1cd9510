// The production part's choice of a tank design from what the side has seen of the enemy.
#pragma once

#include "commander/Commander.h"
#include "commander/Difficulty.h"

namespace Vorn {

class TankFactory;
class SideView;

// What the side knows of the enemy's forces, counted for the choice of a design.
struct EnemyPicture {
    int tanks = 0;
    // Tanks whose hit points make light weapons slow work.
    int heavyTanks = 0;
    int towers = 0;
};

// Tanks with at least this many hit points call for anti-armour weapons.
inline constexpr float heavyTankHitPoints = 400;

EnemyPicture PictureOf(const SideView& view);

// Where a factory's new tanks wait: straight out from its centre through its exit, clear of the next tank.
MapPoint FrontOf(const TankFactory& factory);

// Range against towers when they make a good part of what is known, anti-armour against heavy tanks,
// the line design otherwise; a special design the side cannot afford soon (less than half its price in
// hand) gives way to the line design, and a design whose parts do not fit its chassis to the line one.
DesignRole ChooseRole(const EnemyPicture& picture);
TankOrder ChooseDesign(const EnemyPicture& picture, int money, const ProductionPlan& plan);

} // namespace Vorn
