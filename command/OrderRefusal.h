// Why a command was refused when it was applied: the detail of the OrderRefused event it reports.
#pragma once

namespace Vorn {

enum class OrderRefusal : int {
    NotAProducer = 1, // the building named does not make that kind of product
    Busy,             // it already has an order of that kind under way
    TooHeavy,         // the design's armour and turret outweigh what carries them
    NotFinished,      // there is nothing finished to place or it has no placing rules
    UnknownProduct,   // a type, group letter or kind outside its range
    BadPoint,         // a point or stretch that is not a finite number within reach of any map
    BadCount,         // a tank order of fewer than one or more than the largest count
};

} // namespace Vorn
