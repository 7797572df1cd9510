// The digests a replay keeps per game second: taken while a game is recorded, and compared while one is
// played again, so that a replay that no longer plays the same game says from which step it went astray.
#pragma once

#include "replay/Replay.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Vorn {

class Level;
class World;

class ReplayTrail {
public:
    // After every step: the clock before it and the steps run so far. Takes the digest when the step
    // ended a game second.
    void AfterStep(World& world, const Level* level, unsigned clockBefore, std::uint32_t steps);
    const std::vector<SecondDigest>& Seconds() const { return seconds; }

private:
    std::vector<SecondDigest> seconds;
};

// The step of the first second whose digest (or step) differs between the recorded trail and the one
// played so far; nothing while the played trail agrees with the recorded one as far as it goes.
std::optional<std::uint32_t> FirstDivergence(const std::vector<SecondDigest>& recorded,
                                             const std::vector<SecondDigest>& played);

} // namespace Vorn
