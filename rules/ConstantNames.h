// The element name and record class of each constants slot.
#pragma once

#include "rules/ConstantId.h"

#include <string_view>

namespace Vorn::Constants {

// The record class each slot holds.
enum class RecordClass {
    None,
    Turret,
    Armor,
    Tank,
    Tower,
    Bullet,
    Fow,
    AI,
    TankAI,
    TowerAI,
    Building,
    HqExtra,
    ArmoryExtra,
    RecyclerExtra,
    Explosion,
    Corpse,
    Landmine,
    Obstacle
};

// The element name of the slot in "constants.xml"; empty for ConstantId::None and ids out of range.
std::string_view ConstantName(ConstantId id);

// The slot named by an element, matched exactly (case-sensitive); ConstantId::None when none matches.
ConstantId ConstantIdOfName(std::string_view elementName);

RecordClass RecordClassOf(ConstantId id);

// The class name as a modder reads it in messages, such as "TurretData".
std::string_view RecordClassName(RecordClass recordClass);

} // namespace Vorn::Constants
