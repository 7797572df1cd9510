// The game's commanders.
#include "commander/CommanderSet.h"

#include "world/ObjectKind.h"

namespace Vorn {

void CommanderSet::Start(int side, const std::string& difficulty) {
    if (side < 0 || side >= sideCount)
        return;
    for (const auto& commander : commanders)
        if (commander->Side() == side)
            return;
    commanders.push_back(std::make_unique<Commander>(side, book.Find(difficulty)));
}

void CommanderSet::Think(World& world, CommandQueue& commands) {
    for (const auto& commander : commanders)
        commander->Think(world, commands);
}

} // namespace Vorn
