// Every name the game asks the drawing store for, with what it stands for, so that tools can tell which
// drawings must exist and how large each should be.
#pragma once

#include "rules/ConstantId.h"

#include <string>
#include <vector>

namespace Vorn::Constants {
class ConstantsTable;
}

namespace Vorn {

struct DrawnName {
    enum class Kind {
        Chassis,
        Armour,
        Turret,
        Bullet,
        Tower,
        Building,
        Landmine,
        Obstacle,
        Landmark,
        Remains,   // the corpse mark and the debris pieces
        Interface, // selection marks and panel frames
    };

    std::string name;
    Kind kind = Kind::Interface;
    // Names whose lookups are meant to vary ask for at least this many variants.
    int minimumVariants = 1;
    // The record whose "size" is the object's radius, or None when the drawing has no size of its own.
    Constants::ConstantId sizeRecord = Constants::ConstantId::None;
};

// In the order of the type catalogues, then the remains and the interface marks.
const std::vector<DrawnName>& DrawnNames();

// The radius the object of that name has in the table ("size" of its chassis or placeable record), or 0
// when it has none or the record is missing.
float ObjectSizeOf(const DrawnName& drawn, const Constants::ConstantsTable& table);

} // namespace Vorn
