// The common base of every unit brain: the think and slow-think countdowns.
#pragma once

namespace Vorn {

class World;
namespace Constants {
struct AIData;
}

class Brain {
public:
    // Takes the "AI" record of the constants table; without one the brain thinks in every step.
    explicit Brain(World* world);
    Brain(const Brain&) = delete;
    Brain& operator=(const Brain&) = delete;
    virtual ~Brain();

    // Counts both countdowns down and answers whether the brain thinks in this step. Both start at 0, so a
    // new brain thinks, and slow-thinks, in its first step. Each subclass runs it exactly once per step.
    virtual bool Process(unsigned elapsedMs);
    virtual void SetActive(bool active);

    World* world;
    const Constants::AIData* aiData;
    int thinkCountdown = 0;
    int slowThinkCountdown = 0;
    // True only during the step in which the slow countdown ran out.
    bool slowThinkDue = false;
};

} // namespace Vorn
