// Taking and comparing the per-second digests.
#include "game/ReplayTrail.h"

#include "game/StateDigest.h"
#include "world/World.h"

#include <algorithm>

namespace Vorn {

void ReplayTrail::AfterStep(World& world, const Level* level, unsigned clockBefore, std::uint32_t steps) {
    if (world.Clock() / 1000 != clockBefore / 1000)
        seconds.push_back({steps, StateDigest(world, level)});
}

std::optional<std::uint32_t> FirstDivergence(const std::vector<SecondDigest>& recorded,
                                             const std::vector<SecondDigest>& played) {
    const std::size_t common = std::min(recorded.size(), played.size());
    for (std::size_t index = 0; index < common; ++index)
        if (recorded[index] != played[index])
            return std::min(recorded[index].step, played[index].step);
    return std::nullopt;
}

} // namespace Vorn
