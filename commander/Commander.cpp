// A commander's schedule: one part per step, each on its own period.
#include "commander/Commander.h"

#include "command/CommandQueue.h"
#include "commander/OwnForces.h"
#include "world/World.h"

namespace Vorn {

namespace {

// The parts start this far apart, so that their periods keep them on different steps.
constexpr unsigned partOffsetMs = 97;

bool HasAnything(World& world, int side) {
    for (ObjectKind kind : {KindBuilding, KindTank, KindTower})
        if (!world.Objects(side, kind).Cells().empty())
            for (const auto& [key, cell] : world.Objects(side, kind).Cells())
                if (!cell.empty())
                    return true;
    return false;
}

unsigned PeriodOf(const ThinkTimes& think, CommanderPart part) {
    switch (part) {
    case CommanderPart::Sight:
        return think.sightMs;
    case CommanderPart::Economy:
        return think.economyMs;
    case CommanderPart::Production:
        return think.productionMs;
    case CommanderPart::Defence:
        return think.defenceMs;
    case CommanderPart::Scouting:
        return think.scoutingMs;
    case CommanderPart::Attack:
        return think.attackMs;
    }
    return think.economyMs;
}

} // namespace

Commander::Commander(int side, const Difficulty& difficulty) : side(side), difficulty(difficulty) {
    // Sides think at different moments too, so that several commanders share the steps.
    for (int part = 0; part < commanderPartCount; ++part)
        dueMs[static_cast<std::size_t>(part)] =
            static_cast<unsigned>(part) * partOffsetMs + static_cast<unsigned>(side) * (partOffsetMs / 7);
}

void Commander::Think(World& world, CommandQueue& commands) {
    if (side < 0 || side >= sideCount)
        return;
    const unsigned now = world.Clock();
    int due = -1;
    for (int part = 0; part < commanderPartCount; ++part)
        if (dueMs[static_cast<std::size_t>(part)] <= now &&
            (due < 0 || dueMs[static_cast<std::size_t>(part)] < dueMs[static_cast<std::size_t>(due)]))
            due = part;
    if (due < 0)
        return;
    const auto part = static_cast<CommanderPart>(due);
    dueMs[static_cast<std::size_t>(due)] = now + PeriodOf(difficulty.think, part);
    if (!HasAnything(world, side))
        return;
    switch (part) {
    case CommanderPart::Sight:
        return Look(world);
    case CommanderPart::Economy:
        return ThinkEconomy(world, commands);
    case CommanderPart::Production:
        return ThinkProduction(world, commands);
    case CommanderPart::Defence:
        return ThinkDefence(world, commands);
    case CommanderPart::Scouting:
        return ThinkScouting(world, commands);
    case CommanderPart::Attack:
        return ThinkAttack(world, commands);
    }
}

void Commander::Look(World& world) {
    view.Look(world, side);
}

void Commander::Issue(CommandQueue& commands, Command command) {
    command.side = side;
    commands.Issue(std::move(command));
    ++commandsIssued;
}

} // namespace Vorn
