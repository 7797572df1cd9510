// The player's way into the simulation: every order the interface gives (a move, a production order, a
// destroy) becomes a command of the player's side for the step the battle runs next. Input never changes
// the world itself.
#pragma once

#include "command/CommandQueue.h"

#include <cstdint>
#include <utility>

namespace Vorn {

class OrderIssuer {
public:
    explicit OrderIssuer(CommandQueue& commands) : commands(commands) {}

    void SetSide(int playerSide) { side = playerSide; }
    int Side() const { return side; }
    // Switched off, orders are dropped: a replay being watched gives its own.
    void SetEnabled(bool on) { enabled = on; }
    bool Enabled() const { return enabled; }
    void Issue(Command command) {
        if (!enabled)
            return;
        command.side = side;
        commands.Issue(std::move(command));
    }
    // An order for this producer is issued and not yet applied.
    bool Waits(std::uint64_t producer) const { return commands.IsWaitingFor(producer); }

private:
    CommandQueue& commands;
    int side = 3;
    bool enabled = true;
};

} // namespace Vorn
