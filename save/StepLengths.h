// The length of every step a game has run, as runs of equal lengths: the game mode's steps follow its
// frames, so they differ, while the simulator's are all alike.
#pragma once

#include <cstdint>
#include <vector>

namespace Vorn {

struct StepRun {
    unsigned ms = 0;
    std::uint32_t count = 0;

    bool operator==(const StepRun&) const = default;
};

class StepLengths {
public:
    void Add(unsigned ms);
    // Appends a run read from a file; a run of 0 steps is ignored.
    void AddRun(StepRun run);
    const std::vector<StepRun>& Runs() const { return runs; }
    std::uint64_t Steps() const { return steps; }
    // The sum of the lengths: the game clock the steps reach from 0.
    std::uint64_t TotalMs() const { return totalMs; }
    // The last step's length; 0 before the first.
    unsigned Last() const { return runs.empty() ? 0 : runs.back().ms; }

    bool operator==(const StepLengths&) const = default;

private:
    std::vector<StepRun> runs;
    std::uint64_t steps = 0;
    std::uint64_t totalMs = 0;
};

} // namespace Vorn
