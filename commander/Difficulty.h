// One difficulty of the computer opponent as "commander.xml" gives it: how often each part thinks, what
// it builds and in which order, the tank designs it chooses from, its defences and when it attacks.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/TankOrder.h"

#include <array>
#include <string>
#include <vector>

namespace Vorn {

// What a tank design is for; the production part picks the role from what it has seen of the enemy.
enum class DesignRole : int { Line, AntiArmour, AntiTower, Scout };
inline constexpr int designRoleCount = 4;

// Milliseconds between two thoughts of each part. The parts start at different moments, so no step pays
// for all of them.
struct ThinkTimes {
    unsigned sightMs = 500;
    unsigned economyMs = 1000;
    unsigned productionMs = 1000;
    unsigned defenceMs = 2000;
    unsigned scoutingMs = 1000;
    unsigned attackMs = 1000;
};

struct EconomyPlan {
    // Buildings built in this order; a building lost is missing again and rebuilt in its place.
    std::vector<BuildingType> buildOrder;
    int maxMines = 4;
    int maxRecyclers = 1;
    int maxOutposts = 1;
    int maxFactories = 2;
    // Money above this with nothing else to build buys another factory (up to maxFactories).
    int expandAbove = 3000;
};

struct ProductionPlan {
    std::array<TankOrder, designRoleCount> designs{};
    // Tanks beyond this are not ordered.
    int maxTanks = 30;
    // Money the factories leave for the headquarters' next building while one is under way.
    int reserve = 0;
};

struct DefencePlan {
    int towers = 2;
    TowerType tower = TowerType::SupportTower;
    TurretType towerTurret = TurretType::Gun2;
    int landmines = 4;
    LandmineType landmine = LandmineType::SmallLandmine;
    // An enemy seen this near a building of the side calls the defence force.
    float guardRadius = 900;
    // While the towers and tanks at home are weaker than the strongest attack on the base seen so far
    // times `holdMargin`, or while the side has no factory, the defence builds up to `mostTowers` towers
    // and the money goes to them: the headquarters starts nothing else and the factories order nothing.
    // While the home is that much weaker, no attack sets out either.
    int mostTowers = 8;
    float holdMargin = 1.0f;
};

struct AttackPlan {
    // The fewest tanks that set out together.
    int groupSize = 6;
    // Own strength over the known strength at the target needed to set out.
    float margin = 1.5f;
    // A tank below this share of its hit points drives back to be repaired ...
    float retreatBelow = 0.3f;
    // ... and rejoins at this share.
    float rejoinAt = 0.9f;
    // No attack before this much game time.
    unsigned firstAttackMs = 240000;
};

struct Difficulty {
    std::string name = "normal";
    ThinkTimes think;
    EconomyPlan economy;
    ProductionPlan production;
    DefencePlan defence;
    AttackPlan attack;
    int scouts = 1;
};

} // namespace Vorn
