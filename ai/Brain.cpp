// The think countdowns every brain shares.
#include "ai/Brain.h"

#include "rules/AIData.h"
#include "rules/ConstantsTable.h"

namespace Vorn {

Brain::Brain(World* world)
    : world(world), aiData(Constants::constantsTable.Find<Constants::AIData>(Constants::ConstantId::AI)) {}

Brain::~Brain() = default;

// One addition per countdown, never a loop: after a long step the brain simply thinks again on the
// following steps until its countdown is positive.
bool Brain::Process(unsigned elapsedMs) {
    const int elapsed = static_cast<int>(elapsedMs);
    thinkCountdown -= elapsed;
    slowThinkCountdown -= elapsed;
    slowThinkDue = false;
    if (slowThinkCountdown <= 0) {
        slowThinkCountdown += aiData ? aiData->slowThinkTimeout : 0;
        slowThinkDue = true;
    }
    if (thinkCountdown > 0)
        return false;
    thinkCountdown += aiData ? aiData->thinkTimeout : 0;
    return true;
}

void Brain::SetActive(bool /*active*/) {}

} // namespace Vorn
