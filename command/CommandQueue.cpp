// Commands by step and issue order.
#include "command/CommandQueue.h"

#include "command/ApplyCommand.h"

#include <algorithm>
#include <utility>

namespace Vorn {

void CommandQueue::Issue(Command command) {
    command.step = nextStep;
    Schedule(std::move(command));
}

bool CommandQueue::Schedule(Command command) {
    if (command.step < nextStep)
        return false;
    const auto after =
        std::upper_bound(waiting.begin(), waiting.end(), command.step,
                         [](std::uint32_t step, const Command& kept) { return step < kept.step; });
    waiting.insert(after, std::move(command));
    return true;
}

void CommandQueue::ApplyDue(World& world) {
    while (!waiting.empty() && waiting.front().step == nextStep) {
        applied.push_back(std::move(waiting.front()));
        waiting.pop_front();
        ApplyCommand(world, applied.back());
    }
    ++nextStep;
}

bool CommandQueue::IsWaitingFor(std::uint64_t serial) const {
    return std::any_of(waiting.begin(), waiting.end(), [serial](const Command& command) {
        return !command.units.empty() && command.units.front() == serial;
    });
}

bool CommandQueue::Restore(std::uint32_t savedNextStep, std::vector<Command> savedApplied,
                           std::deque<Command> savedWaiting) {
    for (std::size_t index = 0; index < savedWaiting.size(); ++index)
        if (savedWaiting[index].step < savedNextStep ||
            (index > 0 && savedWaiting[index].step < savedWaiting[index - 1].step))
            return false;
    nextStep = savedNextStep;
    applied = std::move(savedApplied);
    waiting = std::move(savedWaiting);
    return true;
}

} // namespace Vorn
