// Tells the player when units of theirs are lost: the tanks, towers and buildings of the side destroyed in
// a step, as the step's events report them, make one message.
#pragma once

#include "world/WorldEvent.h"

#include <string>

namespace Vorn {

class MessageLine;

class LossReport {
public:
    // Posts "N units lost" when the step destroyed N of the side's units and buildings; nothing otherwise.
    void Take(const WorldEvents& events, int side, MessageLine& messages);

private:
    static std::string LostText(int lost);
};

} // namespace Vorn
