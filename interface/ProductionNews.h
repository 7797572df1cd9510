// Tells the player what the simulation reported about their production and orders in the last step: a
// product ready to place, money running out, a place refused when the order to place was applied.
#pragma once

#include "world/WorldEvent.h"

namespace Vorn {

class MessageLine;

// Posts one message for each of the side's production events, in the order they happened.
void TellProductionNews(const WorldEvents& events, int side, MessageLine& messages);

} // namespace Vorn
