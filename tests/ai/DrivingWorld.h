// A field to drive on for the tank brain tests: hand-made rules installed as the game's for one test, an
// empty world, and helpers to place tanks and obstacles in it.
#pragma once

#include "ai/TankBrain.h"
#include "datafiles/Node.h"
#include "visuals/DrawingStore.h"
#include "random/Random.h"
#include "rules/AIData.h"
#include "rules/ArmorData.h"
#include "rules/TankAIData.h"
#include "rules/TankData.h"
#include "rules/TurretData.h"
#include "tests/world/TestRecords.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <memory>

namespace AiTest {

// The think timers and tuning the shipped data uses, a chassis of radius 10 that drives 100 units and
// turns 90 degrees per second carrying up to 40, and a turret that sees 300 units, carries no
// ammunition and cannot shoot.
class DrivingWorld {
public:
    DrivingWorld() {
        Vorn::drawingStore.Load(Brisk::Node(), [](const std::string&) { return Brisk::Node(); });
        Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
        auto& ai = records.Add<Vorn::Constants::AIData>(Vorn::Constants::ConstantId::AI);
        ai.thinkTimeout = 100;
        ai.slowThinkTimeout = 1000;
        tankAI.gasOnAngle = 35;
        tankAI.detectUnreachableWp = 4;
        tankAI.pfL1Steps = 8;
        tankAI.pfL1DstBase = 3;
        tankAI.pfL1DstRandom = 3;
        tankAI.pfL2Steps = 6;
        tankAI.pfL2Minwpdst = 160;
        tankAI.angryVisibilityMul = 1.6f;
        tankAI.waypointCollapseDst = 24;
        tankAI.seeMultiplier = 1.3f;
        chassis.maxSpeed = 100;
        chassis.rotationSpeed = 90;
        chassis.maxLoad = 40;
        chassis.size = 10;
        chassis.baseArmor = 100;
        turret.engageRange = 300;
        turret.seeMultiplier = 1;
    }
    ~DrivingWorld() {
        world.reset();
        Vorn::drawingStore.Release();
    }
    DrivingWorld(const DrivingWorld&) = delete;
    DrivingWorld& operator=(const DrivingWorld&) = delete;

    // A switched-on tank of the side at (x, y) with the heading, filed in the world. Its brain copies the
    // tuning it is built with.
    Vorn::Tank* AddTank(float x, float y, float heading = 0, int side = 1) {
        auto* tank = new Vorn::Tank(world.get(), Vorn::TankType::LightTank, side, 0, Vorn::ArmorType::NoArmor,
                                    Vorn::TurretType::Gun1);
        tank->x = x;
        tank->y = y;
        tank->direction = heading;
        world->InsertObject(tank, Vorn::KindTank);
        tank->brain->SetActive(true);
        return tank;
    }
    Vorn::Obstacle* AddObstacle(float x, float y, float size = 10) {
        auto* obstacle = new Vorn::Obstacle(Vorn::ObstacleType::Stone, nullptr);
        obstacle->x = x;
        obstacle->y = y;
        obstacle->size = size;
        world->InsertObject(obstacle, Vorn::KindStatic);
        return obstacle;
    }
    // Runs the world in 16 ms steps.
    void Run(unsigned milliseconds) {
        for (unsigned t = 0; t < milliseconds; t += 16)
            world->Tick(16);
    }

    WorldTest::TestRecords records;
    Vorn::Constants::TankAIData& tankAI =
        records.Add<Vorn::Constants::TankAIData>(Vorn::Constants::ConstantId::TankAI);
    Vorn::Constants::TankData& chassis = records.Add<Vorn::Constants::TankData>(Vorn::TankType::LightTank);
    Vorn::Constants::TurretData& turret = records.Add<Vorn::Constants::TurretData>(Vorn::TurretType::Gun1);
    Vorn::Constants::ArmorData& armor = records.Add<Vorn::Constants::ArmorData>(Vorn::ArmorType::NoArmor);
    std::unique_ptr<Vorn::World> world = std::make_unique<Vorn::World>(8192.0f, 8192.0f, 800, 600);
};

// How many values the game's generator has handed out since `before` was copied from it, or -1 when it is
// more than the limit.
inline int DrawsSince(Vorn::Random before, int limit = 10000) {
    for (int draws = 0; draws <= limit; ++draws) {
        Vorn::Random probe = before;
        Vorn::Random now = Vorn::randomGenerator;
        bool same = true;
        for (int i = 0; i < 3 && same; ++i)
            same = probe.Next() == now.Next();
        if (same)
            return draws;
        before.Next();
    }
    return -1;
}

} // namespace AiTest
