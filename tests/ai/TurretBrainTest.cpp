// The turret brain: search, tie-breaks, idle turning, provocation, repair, line of fire, reports to the
// carrier, experience, and dead targets.
#include "ai/TurretBrain.h"
#include "rules/AIData.h"
#include "tests/world/CombatWorld.h"
#include "tests/world/WorldTestObjects.h"
#include "world/Angles.h"
#include "world/Bullet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Vorn;

namespace {

// A carrier that notes every report its turret brain makes.
class Post : public ArmedObject {
public:
    Post(World* world, TurretType type, int side) {
        this->side = side;
        size = 10;
        turret = std::make_unique<Vorn::Turret>(world, this, type, side);
    }
    void OnTargetAcquired(Object*) override { reports.push_back("acquired"); }
    void OnLineOfFireBlocked(float, float) override { reports.push_back("blocked"); }
    void OnTargetLost() override { reports.push_back("lost"); }
    void OnTargetOutOfRange() override { reports.push_back("out of range"); }
    void OnAmmoLow() override { reports.push_back("ammo low"); }
    void OnAmmoEmpty() override { reports.push_back("ammo empty"); }
    float ArmorFraction() const override { return 1; }
    bool Reported(const char* report) const {
        return std::find(reports.begin(), reports.end(), report) != reports.end();
    }

    std::vector<std::string> reports;
};

class TurretBrainTest : public testing::Test, public WorldTest::CombatWorld {
protected:
    TurretBrainTest() : record(Turret(TurretType::Gun1, BulletType::GunBullet)) {
        auto& ai = records.Add<Constants::AIData>(Constants::ConstantId::AI);
        ai.thinkTimeout = 100;
        ai.slowThinkTimeout = 1000;
        Bullet(BulletType::GunBullet);
        Bullet(BulletType::Rocket).rocketMovement = true;
        const std::string mouth = WorldTest::MouthDrawing({{0, 10}});
        UseDrawings({{"Gun1", mouth}, {"Gun2", mouth}, {"Rockets1", mouth}, {"Repairer", ""}});
    }
    // A switched-on post of side 1 at the origin, filed among the towers.
    Post& AddPost(TurretType type = TurretType::Gun1, float x = 0, float y = 0) {
        auto* post = new Post(world.get(), type, 1);
        post->x = x;
        post->y = y;
        world->InsertObject(post, KindTower);
        post->turret->brain.SetActive(true);
        return *post;
    }
    void Run(Post& post, int steps, unsigned ms = 10) {
        for (int i = 0; i < steps; ++i)
            post.turret->brain.Process(ms);
    }
    Constants::TurretData& record;
};

TEST_F(TurretBrainTest, ANewTurretFindsAnEnemyInItsFirstStepAndLocksOnIt) {
    Post& post = AddPost();
    Tank* enemy = AddTank(0, 150, 2);
    Run(post, 1);
    TurretBrain& brain = post.turret->brain;
    EXPECT_TRUE(brain.target.Is(enemy));
    EXPECT_TRUE(post.Reported("acquired"));
    Run(post, 1);
    EXPECT_EQ(brain.state, TurretState::Locked) << "already facing it";
    EXPECT_EQ(world->Bullets().Count(), 1u) << "fires once locked";
}

// One event per firing, however many bullets it spawns, at the carrier and under its side.
TEST_F(TurretBrainTest, EachFiringIsReportedOnceAsAShotOfItsTurretKind) {
    record.nBullets = 3;
    Post& post = AddPost(TurretType::Gun1, 40, -20);
    AddTank(40, 130, 2);
    Run(post, 2);
    ASSERT_EQ(world->Bullets().Count(), 3u);
    ASSERT_EQ(world->StepEvents().size(), 1u);
    const WorldEvent& shot = world->StepEvents()[0];
    EXPECT_EQ(shot.kind, WorldEventKind::Shot);
    EXPECT_EQ(shot.side, 1);
    EXPECT_FLOAT_EQ(shot.x, 40);
    EXPECT_FLOAT_EQ(shot.y, -20);
    EXPECT_EQ(shot.detail, static_cast<int>(TurretType::Gun1));
    EXPECT_EQ(shot.subject, post.Serial());
}

TEST_F(TurretBrainTest, ATowerWinsATieWithATank) {
    Post& post = AddPost();
    Tank* tank = AddTank(100, 0, 2);
    Tower* tower = WorldTest::MakeTower(-100, 0, 3);
    world->InsertObject(tower, KindTower);
    Run(post, 1);
    EXPECT_TRUE(post.turret->brain.target.Is(tower));
    EXPECT_FALSE(post.turret->brain.target.Is(tank));
}

TEST_F(TurretBrainTest, IdleTurretsSpinAtTheirRateOrTurnBackToTheHull) {
    record.idleRotate = 90;
    Post& spinner = AddPost();
    Run(spinner, 100);
    EXPECT_NEAR(spinner.turret->direction, 90, 0.01);

    record.idleRotate = 0;
    Post& settler = AddPost();
    settler.direction = 20;
    settler.turret->direction = 80;
    Run(settler, 100); // 90 degrees per second turns it back within the second
    EXPECT_FLOAT_EQ(settler.turret->direction, 20);
    EXPECT_FALSE(settler.turret->brain.aimHold);
}

TEST_F(TurretBrainTest, AFindWhileProvokedBeyondTheRangeIsDroppedAtTheNextThink) {
    Post& post = AddPost();
    post.turret->brain.Provoke();
    Tank* far = AddTank(0, 340, 2); // edge 330: within 1.2 x 300 but beyond 300
    Run(post, 2);
    EXPECT_TRUE(post.turret->brain.target.Is(far));
    Run(post, 10);
    EXPECT_TRUE(post.Reported("out of range"));
    EXPECT_NE(post.turret->brain.state, TurretState::Locked);
}

TEST_F(TurretBrainTest, AnUnarmedRepairerHealsOwnTanksUpToTheirMaximumAndTargetsNothing) {
    auto& repairer = Turret(TurretType::Repairer, BulletType::GunBullet);
    repairer.canShoot = 0;
    repairer.repairEffect = 10;
    repairer.repairRange = 100;
    repairer.idleRotate = 30;
    Post& post = AddPost(TurretType::Repairer);
    Tank* hurt = AddTank(50, 0, 1);
    hurt->armor->hitPoints = 50;
    Tank* nearlyWhole = AddTank(0, 50, 1);
    nearlyWhole->armor->hitPoints = 99;
    Tank* beyond = AddTank(0, -150, 1);
    beyond->armor->hitPoints = 50;
    Tower* ownTower = WorldTest::MakeTower(-50, 0, 1);
    ownTower->hitPoints = 50;
    world->InsertObject(ownTower, KindTower);
    AddTank(0, 80, 2);
    Run(post, 100);
    EXPECT_NEAR(hurt->armor->hitPoints, 60, 0.01);
    EXPECT_FLOAT_EQ(nearlyWhole->armor->hitPoints, 100);
    EXPECT_FLOAT_EQ(beyond->armor->hitPoints, 50);
    EXPECT_FLOAT_EQ(ownTower->hitPoints, 50);
    EXPECT_FALSE(post.turret->brain.target);
    EXPECT_NEAR(post.turret->direction, 30, 0.01);
}

TEST_F(TurretBrainTest, OwnTanksBlockGunsButRocketsFlyOverThem) {
    AddTank(0, 80, 1); // own tank in the way
    AddTank(0, 160, 2);
    Post& gun = AddPost();
    Run(gun, 20);
    EXPECT_TRUE(gun.Reported("blocked"));
    EXPECT_EQ(world->Bullets().Count(), 0u);

    world->EraseObject(&gun, KindTower);
    delete &gun;
    Turret(TurretType::Rockets1, BulletType::Rocket);
    Post& launcher = AddPost(TurretType::Rockets1);
    Run(launcher, 20);
    EXPECT_FALSE(launcher.Reported("blocked"));
    EXPECT_GT(world->Bullets().Count(), 0u);
}

TEST_F(TurretBrainTest, AmmunitionLowComesAtAnEighthAndAtTheLastShotOfASmallMagazine) {
    AddTank(0, 150, 2, TurretType::Gun1, 1e9f);
    record.maxAmmo = 8;
    Turret(TurretType::Gun2, BulletType::GunBullet).maxAmmo = 5;
    Post& eight = AddPost(TurretType::Gun1, -100, 0);
    Post& five = AddPost(TurretType::Gun2, 100, 0);
    std::vector<int> eightAt, fiveAt;
    for (int step = 0; step < 200; ++step) {
        for (auto [post, at] : {std::pair{&eight, &eightAt}, {&five, &fiveAt}}) {
            const std::size_t before = post->reports.size();
            Run(*post, 1);
            for (std::size_t i = before; i < post->reports.size(); ++i)
                if (post->reports[i] == "ammo low")
                    at->push_back(post->turret->ammunition);
        }
    }
    EXPECT_EQ(eightAt, std::vector<int>{1});
    EXPECT_EQ(fiveAt, std::vector<int>{0});
    EXPECT_TRUE(five.Reported("ammo empty"));
}

TEST_F(TurretBrainTest, ThresholdsOfZeroUseTheThirdStepFromTheFirstShotYetShowLevelZero) {
    for (int step = 0; step < 3; ++step) {
        record.experienceBodycount[step] = 0;
        record.experienceEffectMul[step] = static_cast<float>(step + 2);
        record.experienceRotateMul[step] = 1;
    }
    Post& post = AddPost();
    AddTank(0, 150, 2);
    Run(post, 2);
    ASSERT_EQ(world->Bullets().Count(), 1u);
    Vorn::Bullet* bullet = world->Bullets().Cells().begin()->second.front();
    EXPECT_EQ(bullet->effectMultiplier, 4);
    EXPECT_EQ(post.turret->brain.ExperienceLevel(), 0);

    record.experienceBodycount[0] = 1;
    record.experienceBodycount[1] = 2;
    record.experienceBodycount[2] = 3;
    post.turret->brain.kills = 2;
    EXPECT_EQ(post.turret->brain.ExperienceLevel(), 2);
}

namespace {
alignas(std::max_align_t) unsigned char targetStorage[4096];
// Tanks that always live at the same address, as a freed tank's memory is handed to the next one.
class ReusedTank : public Tank {
public:
    ReusedTank(World* world, float x, float y)
        : Tank(world, TankType::LightTank, 2, 0, ArmorType::NoArmor, TurretType::Gun1) {
        this->x = x;
        this->y = y;
        size = 10;
    }
    static void* operator new(std::size_t) { return targetStorage; }
    static void operator delete(void*) {}
};
static_assert(sizeof(ReusedTank) <= sizeof targetStorage);
} // namespace

TEST_F(TurretBrainTest, ANewEnemyAtADeadTargetsAddressIsNotAimedAtThroughTheOldReference) {
    Post& post = AddPost();
    auto* first = new ReusedTank(world.get(), 0, 150);
    world->InsertObject(first, KindTank);
    Run(post, 3);
    ASSERT_EQ(post.turret->brain.state, TurretState::Locked);
    world->EraseObject(first, KindTank);
    delete first;
    // The newcomer stands at the same address, off to the side where the turret is not facing.
    auto* newcomer = new ReusedTank(world.get(), 150, 0);
    world->InsertObject(newcomer, KindTank);
    ASSERT_TRUE(post.turret->brain.target.Get() == newcomer);
    const float heading = post.turret->direction;
    Run(post, 1);
    EXPECT_TRUE(post.Reported("lost"));
    EXPECT_NE(post.turret->brain.state, TurretState::Locked);
    EXPECT_FLOAT_EQ(post.turret->direction, heading) << "no step towards the newcomer through the old target";
}

TEST(AngleDifference, FoldsAnyHeadingWithoutLooping) {
    EXPECT_FLOAT_EQ(AngleDifference(725, 0), 5);
    EXPECT_FLOAT_EQ(AngleDifference(-190, 0), 170);
    EXPECT_FLOAT_EQ(AngleDifference(10, 350), 20);
    EXPECT_FLOAT_EQ(AngleDifference(180, 0), 180);
    EXPECT_NEAR(AngleDifference(3.6e7f + 90, 0), 90, 5);
    EXPECT_TRUE(std::isnan(AngleDifference(INFINITY, 0)));
    EXPECT_FLOAT_EQ(TurnTowards(0, 350, 5), -5);
    EXPECT_FLOAT_EQ(TurnTowards(0, 3, 5), 3);
}

} // namespace
