// The sane range of every numeric constant.
#include "tools/sector-clash-check/ConstantLimits.h"

#include "rules/TankAIData.h"

#include "world/World.h"

#include <array>

namespace check {
namespace {

using Vorn::Constants::RecordClass;

// The world's range queries reach this far beyond what they ask, so no object may be larger.
constexpr double largestSize = Vorn::largestObjectRadius;

struct KeyLimit {
    RecordClass recordClass;
    std::string_view key;
    Limit limit;
};

// Lower bounds above 0 protect divisions and rates the rules need to be positive; upper bounds catch
// numbers with a digit too many.
constexpr auto keyLimits = std::to_array<KeyLimit>({
    // Speed and status bars divide by "max_ammo": turrets that never fire carry one round.
    {RecordClass::Turret, "max_ammo", {1, 10000}},
    {RecordClass::Turret, "reload_time", {0, 60}},
    {RecordClass::Turret, "rounds_in_serie", {0, 100}},
    {RecordClass::Turret, "serie_reload_time", {0, 120}},
    {RecordClass::Turret, "n_bullets", {0, 32}},
    {RecordClass::Turret, "rotation_speed", {0, 3600}},
    {RecordClass::Turret, "punch_back", {0, 50}},
    {RecordClass::Turret, "punch_back_return", {0, 1000}},
    {RecordClass::Turret, "weight", {0, 1000}},
    {RecordClass::Turret, "can_shoot", {0, 1}},
    {RecordClass::Turret, "idle_rotate", {-3600, 3600}},
    {RecordClass::Turret, "see_multiplier", {0, 10}},
    {RecordClass::Turret, "repair_effect", {0, 1000}},
    {RecordClass::Turret, "repair_range", {0, 2000}},
    {RecordClass::Turret, "engage_range", {0, 5000}},
    {RecordClass::Turret, "accuracy_angle", {0, 180}},
    {RecordClass::Turret, "experience_step1_bodycount", {0, 10000}},
    {RecordClass::Turret, "experience_step2_bodycount", {0, 10000}},
    {RecordClass::Turret, "experience_step3_bodycount", {0, 10000}},
    {RecordClass::Turret, "experience_step1_rotate_mul", {0.01, 10}},
    {RecordClass::Turret, "experience_step2_rotate_mul", {0.01, 10}},
    {RecordClass::Turret, "experience_step3_rotate_mul", {0.01, 10}},
    {RecordClass::Turret, "experience_step1_accuracy_mul", {0, 10}},
    {RecordClass::Turret, "experience_step2_accuracy_mul", {0, 10}},
    {RecordClass::Turret, "experience_step3_accuracy_mul", {0, 10}},
    {RecordClass::Turret, "experience_step1_effect_mul", {0.01, 10}},
    {RecordClass::Turret, "experience_step2_effect_mul", {0.01, 10}},
    {RecordClass::Turret, "experience_step3_effect_mul", {0.01, 10}},
    {RecordClass::Turret, "build_time", {0, 600000}},
    {RecordClass::Turret, "shell_direction", {-360, 360}},

    {RecordClass::Armor, "max_armor", {0, 100000}},
    {RecordClass::Armor, "weight", {0, 1000}},
    {RecordClass::Armor, "build_time", {0, 600000}},

    // The speed factor divides by twice "max_load", and a tank's radius decides where it fits. Sizes stay
    // within the reach the world's queries add.
    {RecordClass::Tank, "max_speed", {1, 2000}},
    {RecordClass::Tank, "rotation_speed", {1, 3600}},
    {RecordClass::Tank, "base_armor", {1, 100000}},
    {RecordClass::Tank, "max_load", {1, 1000}},
    {RecordClass::Tank, "size", {1, largestSize}},
    {RecordClass::Tank, "build_time", {0, 600000}},

    {RecordClass::Tower, "size", {1, largestSize}},
    {RecordClass::Tower, "build_time", {0, 600000}},
    {RecordClass::Tower, "max_load", {0, 1000}},
    {RecordClass::Tower, "armor", {1, 100000}},
    {RecordClass::Tower, "power_plant_range", {0, 100000}},

    // Shells lose strength over "range" (a division), armories make 1 / "build_speed" per round.
    {RecordClass::Bullet, "top_speed", {1, 20000}},
    {RecordClass::Bullet, "range", {1, 20000}},
    {RecordClass::Bullet, "range_begin", {0, 20000}},
    {RecordClass::Bullet, "guiding", {0, 3600}},
    {RecordClass::Bullet, "build_speed", {0.001, 100}},
    {RecordClass::Bullet, "weight", {0, 1000}},

    // The fog grid has one point per "granularity" units in both directions.
    {RecordClass::Fow, "granularity", {4, 1024}},
    {RecordClass::Fow, "before_fade_back_time", {0, 3600}},
    {RecordClass::Fow, "fade_back_time", {0.01, 3600}},
    {RecordClass::Fow, "color_r", {0, 1}},
    {RecordClass::Fow, "color_g", {0, 1}},
    {RecordClass::Fow, "color_b", {0, 1}},

    {RecordClass::AI, "think_timeout", {1, 60000}},
    {RecordClass::AI, "slow_think_timeout", {1, 600000}},

    {RecordClass::TankAI, "gas_on_angle", {0, 180}},
    {RecordClass::TankAI, "detect_unreachable_wp", {0, 100}},
    // A path search holds larger step counts to its most, and takes negative ones and ones that are not a
    // number for no search at all: either is surely a typo.
    {RecordClass::TankAI, "pf_l1_steps", {0, Vorn::Constants::maxPathSearchSteps}},
    {RecordClass::TankAI, "pf_l1_dst_base", {0, 100}},
    {RecordClass::TankAI, "pf_l1_dst_random", {0, 100}},
    {RecordClass::TankAI, "pf_l2_steps", {0, Vorn::Constants::maxPathSearchSteps}},
    {RecordClass::TankAI, "pf_l2_minwpdst", {0, 100000}},
    {RecordClass::TankAI, "angry_visibility_mul", {0, 10}},
    {RecordClass::TankAI, "waypoint_collapse_dst", {0, 10000}},
    {RecordClass::TankAI, "see_multiplier", {0, 10}},

    {RecordClass::TowerAI, "see_multiplier", {0, 10}},

    // Hit points are divided by "max_armor" for the income and the status bars.
    {RecordClass::Building, "size", {1, largestSize}},
    {RecordClass::Building, "build_time", {0, 600000}},
    {RecordClass::Building, "see_range", {0, 10000}},
    {RecordClass::Building, "repair_effect", {0, 1000}},
    {RecordClass::Building, "repair_range", {0, 10000}},
    {RecordClass::Building, "max_armor", {1, 1000000}},
    {RecordClass::Building, "power_plant_range", {0, 100000}},

    // The armory divides its clock by "rearm_interval" and its load by "capacity".
    {RecordClass::ArmoryExtra, "rearm_range", {0, 10000}},
    {RecordClass::ArmoryExtra, "rearm_interval", {1, 600000}},
    {RecordClass::ArmoryExtra, "capacity", {0.01, 1000000}},

    {RecordClass::RecyclerExtra, "corpse_money", {0, 10000}},
    {RecordClass::RecyclerExtra, "corpse_range", {0, 10000}},

    {RecordClass::Explosion, "effect_range", {0, 5000}},
    {RecordClass::Explosion, "forcewave_effect", {0, 1000}},
    {RecordClass::Explosion, "ammo_coef_add", {0, 100}},
    {RecordClass::Explosion, "ammo_coef_mul", {0, 100}},
    {RecordClass::Explosion, "shockwave", {0, 1}},

    {RecordClass::Corpse, "concrete_parts", {0, 100}},
    {RecordClass::Corpse, "concrete_parts_random", {0, 100}},
    {RecordClass::Corpse, "technology_parts", {0, 100}},
    {RecordClass::Corpse, "technology_parts_random", {0, 100}},
    {RecordClass::Corpse, "metal_parts", {0, 100}},
    {RecordClass::Corpse, "metal_parts_random", {0, 100}},
    {RecordClass::Corpse, "time_base", {0, 600000}},
    {RecordClass::Corpse, "time_random", {0, 600000}},

    {RecordClass::Landmine, "size", {1, largestSize}},
    {RecordClass::Landmine, "build_time", {0, 600000}},
    {RecordClass::Landmine, "range", {0, 5000}},
    {RecordClass::Landmine, "countdown", {0, 600000}},

    {RecordClass::Obstacle, "size", {0.01, largestSize}},
    {RecordClass::Obstacle, "build_time", {0, 600000}},
});

constexpr Limit defaultLimit = {0, 1000000};

} // namespace

Limit LimitOf(RecordClass recordClass, std::string_view key) {
    for (const KeyLimit& entry : keyLimits) {
        if (entry.recordClass == recordClass && entry.key == key)
            return entry.limit;
    }
    return defaultLimit;
}

} // namespace check
