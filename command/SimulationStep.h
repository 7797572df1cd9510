// One step of a game, the same for the game mode, the headless simulator and the driver: the step's
// events are started, the commands due now are applied in their order, then the world ticks.
#pragma once

namespace Vorn {

class CommandQueue;
class World;

void StepSimulation(World& world, CommandQueue& commands, unsigned elapsedMs);

} // namespace Vorn
