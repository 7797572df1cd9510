// The length of every step a game has run.
#include "save/StepLengths.h"

namespace Vorn {

void StepLengths::Add(unsigned ms) {
    AddRun({ms, 1});
}

void StepLengths::AddRun(StepRun run) {
    if (run.count == 0)
        return;
    if (!runs.empty() && runs.back().ms == run.ms && runs.back().count <= UINT32_MAX - run.count)
        runs.back().count += run.count;
    else
        runs.push_back(run);
    steps += run.count;
    totalMs += static_cast<std::uint64_t>(run.ms) * run.count;
}

} // namespace Vorn
