// The brain of a tower: uncovers the fog around it, runs its turret's brain, grows angry when its own side
// blocks the line of fire, and draws ammunition from its side's armories when the magazine is empty.
#pragma once

#include "ai/Brain.h"

namespace Vorn {

class Tower;
namespace Constants {
struct TowerAIData;
}

class TowerBrain : public Brain {
public:
    // Embedded in its tower; reads the turret only when it runs.
    TowerBrain(World* world, Tower* tower);

    // Reveals the fog at slow thinks and runs the turret brain in every step; always true.
    bool Process(unsigned elapsedMs) override;
    // Switches the turret brain and remembers the switch, which the tower compares with its power.
    void SetActive(bool active) override;

    // Something of its own stands in the way: widen the search and pick the nearest enemy again.
    void OnLineOfFireBlocked(float targetX, float targetY);
    // Walks the side's armories in the world's order, loading from each until the magazine is full.
    void OnAmmoEmpty();

    Tower* tower;
    bool active = false;
    const Constants::TowerAIData* towerAiData;
};

} // namespace Vorn
