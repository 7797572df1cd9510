// The commanders of a game: started by the level's "commander" element or by a tool's option, each playing
// one side, any side, the player's included; they think before every step, in the order started.
#pragma once

#include "commander/Commander.h"
#include "commander/CommanderBook.h"

#include <memory>
#include <string>
#include <vector>

namespace Vorn {

class CommandQueue;
class World;

class CommanderSet {
public:
    explicit CommanderSet(CommanderBook book) : book(std::move(book)) {}

    // Starts a commander of the difficulty for the side; "normal" plays for a difficulty the book lacks.
    // A side that already has one keeps it, and a number that is no side starts nothing.
    void Start(int side, const std::string& difficulty);
    // Every commander thinks; what they decide is issued into the queue for the step about to run.
    void Think(World& world, CommandQueue& commands);
    const std::vector<std::unique_ptr<Commander>>& Commanders() const { return commanders; }
    const CommanderBook& Book() const { return book; }

private:
    CommanderBook book;
    std::vector<std::unique_ptr<Commander>> commanders;
};

} // namespace Vorn
