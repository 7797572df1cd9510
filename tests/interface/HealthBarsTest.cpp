// Health bars and hit flashes: which units carry a bar, in what colour, and how long a hit flashes.
#include "interface/HealthBars.h"
#include "tests/interface/InterfaceTestSupport.h"

namespace {

using interface_test::InterfaceTest;
using Vorn::HealthBars;

// A plain object with hit points, which the world's tick leaves alone.
class Unit : public Vorn::Object {
public:
    std::optional<Vorn::HitPoints> Health() const override { return Vorn::HitPoints{current, 100}; }
    float current = 100;
};

class HealthBarsTest : public InterfaceTest {
protected:
    Unit* PlaceUnit(float x, float y, int side, float current, Vorn::ObjectKind kind = Vorn::KindTank) {
        auto* unit = new Unit;
        unit->x = x;
        unit->y = y;
        unit->side = side;
        unit->size = 10;
        unit->current = current;
        world->InsertObject(unit, kind);
        return unit;
    }
    std::vector<HealthBars::Bar> BarsShown(bool all) {
        return bars.Bars(*world, *camera, all, screenWidth, screenHeight);
    }
    HealthBars bars;
};

TEST_F(HealthBarsTest, DamagedUnitsInSightCarryABarInTheirSidesColourAndAllDoWhileTheKeyIsHeld) {
    PlaceUnit(0, 0, 3, 40);
    PlaceUnit(100, 0, 3, 100);
    PlaceUnit(-100, 0, 2, 25, Vorn::KindBuilding);
    // Hidden in the fog, and far off the screen.
    PlaceUnit(1500, 1500, 2, 10);
    PlaceUnit(-1800, -1800, 3, 10);
    world->fog.RevealFog(0, 0, 400, 3);
    world->fog.RevealFog(-1800, -1800, 100, 3);

    const std::vector<HealthBars::Bar> damaged = BarsShown(false);
    ASSERT_EQ(damaged.size(), 2u);
    for (const HealthBars::Bar& bar : damaged) {
        const bool player = bar.fraction == 0.4f;
        EXPECT_TRUE(player || bar.fraction == 0.25f);
        const Vorn::SideColour colour = Vorn::SideColourOf(player ? 3 : 2);
        EXPECT_EQ(bar.blue, colour.blue);
        EXPECT_EQ(bar.green, colour.green);
        // Above the unit: the screen's centre is the world's origin.
        EXPECT_GT(bar.y, screenHeight / 2 + 10);
    }
    EXPECT_EQ(BarsShown(true).size(), 3u) << "the whole unit gets its bar while the key is held";
}

TEST_F(HealthBarsTest, AHitFlashesItsTargetBrieflyAndMissesFlashNothing) {
    Unit* unit = PlaceUnit(0, 0, 3, 90);
    world->fog.RevealFog(0, 0, 400, 3);
    const auto impact = [&](Vorn::ImpactTarget target) {
        return Vorn::WorldEvent{
            Vorn::WorldEventKind::Impact, 2, 0, 0, static_cast<int>(target), unit->Serial()};
    };
    bars.TakeEvents({impact(Vorn::ImpactTarget::Ground)});
    EXPECT_EQ(bars.FlashCount(), 0u);
    bars.TakeEvents({impact(Vorn::ImpactTarget::Armour)});
    ASSERT_EQ(bars.Flashes(*world, *camera, screenWidth, screenHeight).size(), 1u);
    EXPECT_FLOAT_EQ(bars.Flashes(*world, *camera, screenWidth, screenHeight)[0].strength, 1);
    bars.Age(HealthBars::flashMs / 2);
    EXPECT_NEAR(bars.Flashes(*world, *camera, screenWidth, screenHeight)[0].strength, 0.5f, 0.01f);
    bars.Age(HealthBars::flashMs / 2);
    EXPECT_EQ(bars.FlashCount(), 0u);
    // A unit gone from the world flashes nowhere.
    bars.TakeEvents({impact(Vorn::ImpactTarget::Armour)});
    ASSERT_TRUE(world->EraseObject(unit, Vorn::KindTank));
    delete unit;
    EXPECT_TRUE(bars.Flashes(*world, *camera, screenWidth, screenHeight).empty());
}

TEST_F(HealthBarsTest, ABattleOfManyHitsKeepsItsFlashesBounded) {
    for (std::uint64_t serial = 1; serial <= HealthBars::mostFlashes + 50; ++serial) {
        bars.TakeEvents({{Vorn::WorldEventKind::UnderAttack, 3, 0, 0, 0, serial}});
    }
    EXPECT_EQ(bars.FlashCount(), HealthBars::mostFlashes);
}

} // namespace
