// A replay watched in the window: the speed it plays at, where it ends, and whether the game it gives is
// still the recorded one. The game mode runs the steps; this says how many and watches the digests.
#pragma once

#include "replay/Replay.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

enum class ReplaySpeed : std::uint8_t { Normal, Double, Fourfold, Eightfold, Fastest };
inline constexpr int replaySpeedCount = 5;

// How many times real time a speed plays at; 0 for as fast as the machine goes.
unsigned SpeedFactor(ReplaySpeed speed);

class ReplayPlayback {
public:
    explicit ReplayPlayback(std::shared_ptr<const Replay> replay) : replay(std::move(replay)) {}

    const Replay& Recorded() const { return *replay; }
    ReplaySpeed Speed() const { return speed; }
    void SetSpeed(ReplaySpeed chosen) { speed = chosen; }
    // The game has run every step the replay recorded.
    bool Over(std::uint32_t stepsRun) const { return stepsRun >= replay->steps; }
    // After a step, with the digests played so far: the step of the first second that differs from the
    // recorded one; nothing while they agree, or once the replay is marked astray.
    std::optional<std::uint32_t> NewDivergence(const std::vector<SecondDigest>& played);
    // Notes that the game went astray from `step`; false when it was noted already.
    bool MarkAstray(std::uint32_t step);
    // The step from which it went astray, once it has.
    std::optional<std::uint32_t> Divergence() const { return divergence; }
    // Another viewing from the start.
    void Rewind();

private:
    std::shared_ptr<const Replay> replay;
    ReplaySpeed speed = ReplaySpeed::Normal;
    std::size_t secondsChecked = 0;
    std::optional<std::uint32_t> divergence;
};

} // namespace Vorn
