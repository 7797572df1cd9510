// Paid production: instalments over the build time, waiting for money, refunds, and the headquarters.
#include "BaseWorld.h"
#include "world/HQ.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

namespace {
class Production : public ::testing::Test {
protected:
    Production() {
        BuildingType(Vorn::BuildingType::Base);
        auto& mine = BuildingType(Vorn::BuildingType::Mine);
        mine.price = 100;
        mine.buildTime = 10000;
        hq = base.AddBuilding<HQ>(Vorn::BuildingType::Base, 0, 0, 2);
        slot().StartProduction(Vorn::BuildingType::Mine);
    }
    Constants::BuildingData& BuildingType(Vorn::BuildingType type) { return base.BuildingType(type); }
    IBuildProgress<Vorn::BuildingType>& slot() { return hq->Slot(); }

    BaseWorld base;
    HQ* hq = nullptr;
};
} // namespace

TEST_F(Production, PaysThePriceEvenlyOverTheBuildTime) {
    base.Money(2) = 1000;
    for (int second = 1; second <= 10; ++second) {
        slot().PaymentStep(1000);
        EXPECT_EQ(base.Money(2), 1000 - 10 * second);
        EXPECT_EQ(slot().paid, 10 * second);
        EXPECT_FLOAT_EQ(slot().Progress(), second / 10.0f);
    }
    EXPECT_TRUE(slot().IsComplete());
    slot().PaymentStep(1000);
    EXPECT_EQ(base.Money(2), 900) << "a finished product costs nothing more";
}

TEST_F(Production, APoorSideMakesNoProgressAndForgetsTheWait) {
    base.Money(2) = 5;
    slot().PaymentStep(1000);
    EXPECT_EQ(base.Money(2), 5);
    EXPECT_EQ(slot().elapsed, 0u);
    EXPECT_EQ(slot().pending, 0u);
    // With a little more money than the poverty line the wait is kept and paid for once money comes.
    base.Money(2) = 15;
    slot().PaymentStep(2000);
    slot().PaymentStep(2000);
    EXPECT_EQ(slot().pending, 4000u);
    EXPECT_EQ(base.Money(2), 15);
    base.Money(2) = 100;
    slot().PaymentStep(1000);
    EXPECT_EQ(slot().paid, 50);
    EXPECT_EQ(slot().elapsed, 5000u);
    EXPECT_EQ(slot().pending, 0u);
}

TEST_F(Production, AStepThatDoesNotRaiseTheTargetCarriesItsTime) {
    auto& cheap = BuildingType(Vorn::BuildingType::Recycler);
    cheap.price = 1;
    cheap.buildTime = 10000;
    slot().StartProduction(Vorn::BuildingType::Recycler);
    base.Money(2) = 100;
    for (int step = 1; step < 10; ++step) {
        slot().PaymentStep(1000);
        EXPECT_EQ(slot().elapsed, 0u) << step;
        EXPECT_EQ(slot().pending, 1000u * step);
    }
    slot().PaymentStep(1000);
    EXPECT_EQ(slot().paid, 1);
    EXPECT_TRUE(slot().IsComplete());
    EXPECT_EQ(base.Money(2), 99);
}

// The price times the time no longer wraps in 32 bits after a long stall, which used to turn the next
// instalment negative and pay the side while finishing the product.
TEST_F(Production, ALongStallForMoneyNeverPaysTheSide) {
    auto& dear = BuildingType(Vorn::BuildingType::Outpost);
    dear.price = 1000;
    dear.buildTime = 60000;
    slot().StartProduction(Vorn::BuildingType::Outpost);
    base.Money(2) = 500;
    slot().PaymentStep(30000);
    ASSERT_EQ(slot().paid, 500);
    base.Money(2) = 20;
    for (int step = 0; step < 1000; ++step)
        slot().PaymentStep(10000);
    EXPECT_EQ(base.Money(2), 20);
    EXPECT_EQ(slot().paid, 500);
    EXPECT_FALSE(slot().IsComplete());
    base.Money(2) = 1000;
    slot().PaymentStep(16);
    EXPECT_EQ(base.Money(2), 500) << "the rest of the price, not more";
    EXPECT_TRUE(slot().IsComplete());
}

TEST_F(Production, CancellingRefundsWhatWasPaidOnce) {
    base.Money(2) = 100;
    slot().PaymentStep(3500);
    ASSERT_EQ(base.Money(2), 65);
    slot().CancelProduction();
    EXPECT_EQ(base.Money(2), 100);
    EXPECT_FALSE(slot().active);
    EXPECT_EQ(slot().elapsed, 0u);
    slot().CancelProduction();
    EXPECT_EQ(base.Money(2), 100) << "a second cancel has nothing left to give";
}

TEST_F(Production, TheHeadquartersBuildsWhilePoweredAndKeepsTheFinishedBuilding) {
    base.Money(2) = 1000;
    base.world->Tick(4000);
    EXPECT_EQ(slot().paid, 40);
    base.world->Tick(8000);
    EXPECT_TRUE(slot().IsComplete());
    EXPECT_TRUE(slot().active) << "it waits for the panel to place it";
    EXPECT_EQ(base.Money(2), 900);

    auto& outpost = BuildingType(Vorn::BuildingType::Outpost);
    outpost.powerPlantRange = 100; // an outpost far from power builds nothing
    auto* unpowered = base.AddBuilding<HQ>(Vorn::BuildingType::Outpost, 2000, 0, 2);
    unpowered->Slot().StartProduction(Vorn::BuildingType::Mine);
    base.world->Tick(5000);
    EXPECT_EQ(unpowered->Slot().paid, 0);
    base.AddPowerPlant(2050, 0, 2);
    base.world->Tick(5000);
    EXPECT_EQ(unpowered->Slot().paid, 50);
}

TEST(CreateBuilding, MakesTheClassOfTheTypeAndNumbersCallsignsPerType) {
    BaseWorld base;
    for (int type = 0; type < buildingTypeCount; ++type)
        base.BuildingType(static_cast<Vorn::BuildingType>(type));
    EXPECT_NE(base.AddBuilding<HQ>(Vorn::BuildingType::Outpost, 0, 0, 1), nullptr);
    Building* second = base.AddBuilding(Vorn::BuildingType::Outpost, 100, 0, 1);
    Building* otherSide = base.AddBuilding(Vorn::BuildingType::Outpost, 100, 0, 2);
    Building* mine = base.AddBuilding(Vorn::BuildingType::Mine, 200, 0, 1);
    EXPECT_EQ(second->number, 2);
    EXPECT_EQ(otherSide->number, 1);
    EXPECT_EQ(mine->number, 1);
    EXPECT_EQ(base.world->sides[1].nextBuildingCallsign[1], 3);
    EXPECT_EQ(typeid(*mine), typeid(Building));
    Building* numbered = CreateBuilding(base.world.get(), Vorn::BuildingType::Mine, 1, 40);
    EXPECT_EQ(numbered->number, 40);
    EXPECT_EQ(base.world->sides[1].nextBuildingCallsign[7], 2) << "a given number leaves the counter alone";
    EXPECT_EQ(numbered->size, 20);
    EXPECT_EQ(numbered->hitPoints, 1000);
    delete numbered;
}
