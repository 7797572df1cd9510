// The commands of a game, in the one order every game applies them: by step, then in the order they were
// issued. The battle takes the commands due at each step's start; the applied ones stay on record, which
// is what a replay writes and plays again.
//
//   commands.Issue(MoveCommand(...));   // from input: for the step the battle runs next
//   commands.ApplyDue(world);           // at the start of that step, before the world's tick
//   for (const Command& command : commands.Applied()) ... command.step, command.kind ...
#pragma once

#include "command/Command.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace Vorn {

class World;

class CommandQueue {
public:
    // The step the battle runs next, counted from 0: the steps run so far.
    std::uint32_t NextStep() const { return nextStep; }
    // Stamps the command with the next step and keeps it behind every command issued before it.
    void Issue(Command command);
    // Keeps a command for the step it already names, behind those kept for that step before (a replay's
    // commands, read back in order). A command for a step already run is refused: false.
    bool Schedule(Command command);
    // Applies every command due at the next step to the world, in order, keeps them on record, and
    // counts the step as run.
    void ApplyDue(World& world);

    // Every command applied in this game, in the order applied.
    const std::vector<Command>& Applied() const { return applied; }
    // A saved queue: the step about to run, the commands applied before it and those waiting, in order.
    // False, with nothing changed, when a waiting command's step has passed or the order is broken.
    bool Restore(std::uint32_t savedNextStep, std::vector<Command> savedApplied,
                 std::deque<Command> savedWaiting);
    // The commands waiting for their step.
    const std::deque<Command>& Waiting() const { return waiting; }
    // Whether a waiting command names this object first (the producer of a production order): the panel
    // showing that producer waits for it rather than ordering twice.
    bool IsWaitingFor(std::uint64_t serial) const;

private:
    std::uint32_t nextStep = 0;
    std::deque<Command> waiting;
    std::vector<Command> applied;
};

} // namespace Vorn
