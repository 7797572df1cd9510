// The shipped rules let a new base grow: a side that starts with its headquarters alone and builds a power
// plant, then a tank factory, then tanks, has its first tanks out within two minutes.
#include "CombatWorld.h"
#include "ai/TankBrain.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsLoader.h"
#include "rules/CorpseData.h"
#include "rules/RecyclerExtraData.h"
#include "rules/TypeCatalogue.h"
#include "world/CreateBuilding.h"
#include "world/HQ.h"
#include "world/TankFactory.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vorn;
using namespace WorldTest;

namespace {
constexpr int economySide = 3;
constexpr unsigned step = 16;

struct Timeline {
    unsigned powerPlant = 0;
    unsigned factory = 0;
    std::vector<unsigned> tanks;
};

// Places what the headquarters finished and starts the next building of the plan, as a player would.
class BaseBuilder {
public:
    explicit BaseBuilder(World& world) : world(world) {
        hq = static_cast<HQ*>(CreateBuilding(&world, BuildingType::Base, economySide, nextCallsign));
        world.InsertObject(hq, KindBuilding);
        hq->Slot().StartProduction(BuildingType::PowerPlant);
    }

    Timeline Run(unsigned untilMs, std::size_t tanksWanted) {
        Timeline timeline;
        while (world.Clock() < untilMs && timeline.tanks.size() < tanksWanted) {
            world.Tick(step);
            if (hq->Slot().active && hq->Slot().IsComplete())
                PlaceFinished(timeline);
            if (factory && world.Objects(economySide, KindTank).Count() > timeline.tanks.size())
                timeline.tanks.push_back(world.Clock());
            DriveTanks();
        }
        return timeline;
    }

private:
    // Stands in for the tanks' own driving: each new tank is put at its first waypoint at once.
    void DriveTanks() {
        std::vector<Tank*> tanks;
        for (const auto& [key, cell] : world.Objects(economySide, KindTank).Cells())
            for (Object* object : cell)
                tanks.push_back(static_cast<Tank*>(object));
        for (Tank* tank : tanks)
            if (!tank->brain->Waypoints().empty()) {
                const auto point = tank->brain->Waypoints().front();
                tank->brain->ClearWaypoints();
                world.RefileObject(tank, KindTank, point.x, point.y);
            }
    }

    void PlaceFinished(Timeline& timeline) {
        const BuildingType type = hq->Slot().type;
        Building* building = CreateBuilding(&world, type, economySide, nextCallsign);
        building->x = type == BuildingType::PowerPlant ? 150.0f : 0.0f;
        building->y = type == BuildingType::PowerPlant ? 0.0f : 200.0f;
        world.InsertObject(building, KindBuilding);
        hq->Slot().Clear();
        if (type == BuildingType::PowerPlant) {
            timeline.powerPlant = world.Clock();
            hq->Slot().StartProduction(BuildingType::TankFactory);
        } else {
            timeline.factory = world.Clock();
            factory = static_cast<TankFactory*>(building);
            for (int i = 0; i < 3; ++i)
                factory->QueueOrders({TankType::LightTank, TurretType::Gun1, ArmorType::LightArmor, 'a'}, 1);
        }
    }

    World& world;
    HQ* hq;
    TankFactory* factory = nullptr;
};
} // namespace

TEST(ShippedEconomy, ANewBaseHasAPowerPlantAFactoryAndTanksWithinTwoMinutes) {
    CombatWorld field;
    Constants::LoadConstants();
    BaseBuilder builder(*field.world);
    const Timeline timeline = builder.Run(240000, 3);
    EXPECT_GT(timeline.powerPlant, 0u);
    EXPECT_LE(timeline.powerPlant, 40000u);
    EXPECT_LE(timeline.factory, 90000u);
    ASSERT_GE(timeline.tanks.size(), 2u);
    EXPECT_LE(timeline.tanks[1], 120000u);
}

// A mine returns its price in a few minutes of powered income; a recycler needs a few fresh wrecks.
TEST(ShippedEconomy, MinesAndRecyclersPayBackInAFewMinutes) {
    CombatWorld field;
    Constants::LoadConstants();
    const auto& table = Constants::constantsTable;
    const auto* mine = table.Find<Constants::BuildingData>(ConstantIdOf(BuildingType::Mine));
    ASSERT_NE(mine, nullptr);
    const float mineSeconds = mine->price / (mine->moneyGenerated / 10.0f);
    EXPECT_GE(mineSeconds, 90);
    EXPECT_LE(mineSeconds, 300);

    const auto* recycler = table.Find<Constants::BuildingData>(ConstantIdOf(BuildingType::Recycler));
    const auto* extra = table.Find<Constants::RecyclerExtraData>(Constants::ConstantId::RecyclerExtra);
    const auto* wreck = table.Find<Constants::CorpseData>(ConstantIdOf(CorpseType::HeavyTankCorpse));
    ASSERT_TRUE(recycler && extra && wreck);
    // A wreck of about average size and life: its base pieces and about half the random ones.
    const float pieces =
        wreck->concreteParts + wreck->metalParts + wreck->technologyParts +
        (wreck->concretePartsRandom + wreck->metalPartsRandom + wreck->technologyPartsRandom) / 2.0f;
    const float seconds = (wreck->timeBase + wreck->timeRandom / 2.0f) / 1000;
    const float perWreck = pieces * seconds * extra->corpseMoney * 2;
    EXPECT_GE(recycler->price / perWreck, 2);
    EXPECT_LE(recycler->price / perWreck, 6);
}
