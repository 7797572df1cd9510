// One step of a game.
#include "command/SimulationStep.h"

#include "command/CommandQueue.h"
#include "world/World.h"

namespace Vorn {

void StepSimulation(World& world, CommandQueue& commands, unsigned elapsedMs) {
    world.BeginStep();
    commands.ApplyDue(world);
    world.Tick(elapsedMs);
}

} // namespace Vorn
