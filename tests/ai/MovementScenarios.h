// Headless driving scenarios on the shipped rules: a tank sent round a wall, a group squeezing through a
// gap, a crowd sent to one point. Each runs the world in 16 ms steps from the generator's standard seed
// and answers its figures; the tests assert floors on them and the balance notes quote them.
#pragma once

#include "ai/TankBrain.h"
#include "random/Random.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace AiTest {

// The heavy skirmish tank's radius, the one every scenario drives.
inline constexpr float heavyTankSize = 18;
inline constexpr float concreteBlockSize = 16;
inline constexpr unsigned scenarioStepMs = 16;

// A world of skirmish tanks and concrete blocks. The constants and the drawings must be loaded.
class ScenarioField {
public:
    // Seed 0 is the generator's standard seed.
    explicit ScenarioField(std::uint32_t seed) {
        Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
        if (seed != 0)
            Vorn::randomGenerator.Reseed(seed);
    }

    // A switched-on heavy tank with a cannon and no armour, facing north.
    Vorn::Tank* AddTank(float x, float y) {
        auto* tank = new Vorn::Tank(world.get(), Vorn::TankType::HeavyTank, 3, 0, Vorn::ArmorType::NoArmor,
                                    Vorn::TurretType::Cannon2);
        tank->x = x;
        tank->y = y;
        world->InsertObject(tank, Vorn::KindTank);
        tank->brain->SetActive(true);
        return tank;
    }
    // Concrete blocks edge to edge along y, their centres from x1 up to at most x2.
    void AddWall(float x1, float x2, float y) {
        for (float x = x1; x <= x2; x += 2 * concreteBlockSize) {
            auto* block = new Vorn::Obstacle(Vorn::ObstacleType::ConcreteBlock, nullptr);
            block->x = x;
            block->y = y;
            block->size = concreteBlockSize;
            world->InsertObject(block, Vorn::KindStatic);
        }
    }
    void Step() {
        world->Tick(scenarioStepMs);
        clockMs += scenarioStepMs;
    }

    std::unique_ptr<Vorn::World> world = std::make_unique<Vorn::World>(8192.0f, 8192.0f, 800, 600);
    unsigned clockMs = 0;
};

// A tank sent to a point; it has arrived when it has reached or given up every waypoint near the point.
struct Order {
    Vorn::Tank* tank;
    float x, y;
    bool Arrived(float radius) const {
        return tank->brain->Waypoints().empty() && std::hypot(tank->x - x, tank->y - y) < radius;
    }
};

// One tank 400 units in front of the middle of a wall 15 blocks (480 units) long, sent 400 units behind
// it. Answers the seconds it took to arrive, or a negative value when it did not within the limit.
inline double WallDetourSeconds(std::uint32_t seed = 0, unsigned limitMs = 120000) {
    ScenarioField field(seed);
    field.AddWall(-224, 224, 0);
    const Order order{field.AddTank(0, -400), 0, 400};
    order.tank->brain->SetWaypoint(order.x, order.y);
    while (field.clockMs < limitMs) {
        field.Step();
        if (order.Arrived(2 * heavyTankSize))
            return field.clockMs / 1000.0;
    }
    return -1;
}

struct GapFigures {
    int arrivedBy30s = 0;
    int arrivedBy60s = 0;
    int arrivedBy120s = 0;
    int stuckAt120s = 0; // still in front of the wall
};

// Twenty tanks in five columns and four rows, 60 units apart, ordered as a group 700 units north through
// a gap one and a half tank widths wide in a long wall 250 units ahead of the front row.
inline GapFigures GapPassage(std::uint32_t seed = 0) {
    ScenarioField field(seed);
    const float gap = 1.5f * 2 * heavyTankSize;
    field.AddWall(-1200, -gap / 2 - concreteBlockSize, 0);
    field.AddWall(gap / 2 + concreteBlockSize, 1200, 0);
    std::vector<Order> orders;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column) {
            const float x = (column - 2) * 60.0f;
            const float y = -250 - row * 60.0f;
            orders.push_back({field.AddTank(x, y), x, y + 700});
        }
    for (const Order& order : orders)
        order.tank->brain->SetWaypoint(order.x, order.y);
    GapFigures figures;
    std::vector<bool> arrived(orders.size(), false);
    while (field.clockMs < 120000) {
        field.Step();
        for (std::size_t i = 0; i < orders.size(); ++i) {
            if (arrived[i] || !orders[i].Arrived(4 * heavyTankSize))
                continue;
            arrived[i] = true;
            figures.arrivedBy30s += field.clockMs <= 30000 ? 1 : 0;
            figures.arrivedBy60s += field.clockMs <= 60000 ? 1 : 0;
            ++figures.arrivedBy120s;
        }
    }
    for (const Order& order : orders)
        figures.stuckAt120s += order.tank->y < 0 ? 1 : 0;
    return figures;
}

struct CrowdFigures {
    double settledSeconds = 0; // when the last tank moved for the last time
    int movingInLast30s = 0;   // tanks that still moved in the last 30 seconds
    int holding = 0;           // tanks that reached or gave up the point by the end
    float farthest = 0;        // the largest distance from the point at the end
};

// Fifty tanks in ten columns and five rows, 120 units apart, 1,000 to 1,480 units south of a point, all
// ordered to that point, watched for three minutes. A tank that stands still counts as settled even
// while its brain still looks for a way in: only ones that keep driving about are restless.
inline CrowdFigures CrowdToOnePoint(std::uint32_t seed = 0) {
    ScenarioField field(seed);
    std::vector<Vorn::Tank*> tanks;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 10; ++column)
            tanks.push_back(field.AddTank(-540 + column * 120.0f, -1000 - row * 120.0f));
    for (Vorn::Tank* tank : tanks)
        tank->brain->SetWaypoint(0, 0);
    const unsigned limitMs = 180000;
    std::vector<unsigned> lastMoved(tanks.size(), 0);
    std::vector<std::pair<float, float>> positions(tanks.size());
    while (field.clockMs < limitMs) {
        for (std::size_t i = 0; i < tanks.size(); ++i)
            positions[i] = {tanks[i]->x, tanks[i]->y};
        field.Step();
        for (std::size_t i = 0; i < tanks.size(); ++i)
            if (positions[i] != std::pair{tanks[i]->x, tanks[i]->y})
                lastMoved[i] = field.clockMs;
    }
    CrowdFigures figures;
    for (std::size_t i = 0; i < tanks.size(); ++i) {
        const Vorn::Tank& tank = *tanks[i];
        figures.settledSeconds = std::max(figures.settledSeconds, lastMoved[i] / 1000.0);
        figures.movingInLast30s += lastMoved[i] + 30000 > limitMs ? 1 : 0;
        figures.holding += tank.brain->state == Vorn::TankState::Holding ? 1 : 0;
        figures.farthest = std::max(figures.farthest, std::hypot(tank.x, tank.y));
    }
    return figures;
}

} // namespace AiTest
