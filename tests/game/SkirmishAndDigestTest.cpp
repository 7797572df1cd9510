// The skirmish tanks stand where the game puts them, and the state digest sees every part of the state.
#include "LevelTestSupport.h"

#include "game/Battle.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "world/Armor.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Turret.h"

#include <set>
#include <utility>

using namespace Vorn;
using LevelTest::emptyLevel;
using LevelTest::LevelFixture;

namespace {

class Skirmish : public LevelFixture {
protected:
    std::vector<Tank*> TanksOf(int side) {
        std::vector<Tank*> tanks;
        for (const auto& [key, cell] : world->Objects(side, KindTank).Cells())
            for (Object* object : cell)
                tanks.push_back(static_cast<Tank*>(object));
        return tanks;
    }
};

} // namespace

TEST_F(Skirmish, EighthForThePlayerEastAndTheRestWest) {
    Load(emptyLevel);
    const int filed = FieldSkirmishTanks(*world);
    const auto blue = TanksOf(3);
    const auto green = TanksOf(2);
    EXPECT_EQ(static_cast<std::size_t>(filed), blue.size() + green.size());
    EXPECT_LE(blue.size(), 32u);
    EXPECT_GT(blue.size(), 24u);
    EXPECT_LE(green.size(), 224u);
    EXPECT_GT(green.size(), 150u);
    // Callsign numbers come from each side's counter, 1, 2, 3 ..., so factory tanks do not repeat them.
    for (const auto& [side, tanks] : {std::pair{3, blue}, std::pair{2, green}}) {
        std::set<int> numbers;
        for (Tank* tank : tanks)
            numbers.insert(tank->number);
        EXPECT_EQ(numbers.size(), tanks.size());
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(tanks.size()));
        EXPECT_EQ(world->sides[side].nextTankCallsign, static_cast<int>(tanks.size()) + 1);
    }
    for (Tank* tank : blue) {
        EXPECT_GE(tank->x, 128);
        EXPECT_LT(tank->x, 128 + 2048);
        EXPECT_EQ(tank->type, TankType::HeavyTank);
        EXPECT_EQ(tank->turret->type, TurretType::Cannon2);
    }
    for (Tank* tank : green) {
        EXPECT_LE(tank->x, -256);
        EXPECT_GT(tank->x, -256 - 2048);
        EXPECT_GE(tank->y, -2560);
        EXPECT_LT(tank->y, 2560);
    }
    // No two tanks overlap: each was placed only where no other body came within twice its size.
    auto all = blue;
    all.insert(all.end(), green.begin(), green.end());
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const float apart = 2 * all[j]->size + all[i]->size;
            ASSERT_GT(DistanceSquared(*all[i], all[j]->x, all[j]->y), apart * apart);
        }
}

TEST_F(Skirmish, TheFirstTankDrawsXThenY) {
    Load(emptyLevel);
    randomGenerator.Reseed(5);
    const int x = static_cast<int>(randomGenerator.Next() * 2048) + 128;
    const int y = static_cast<int>(randomGenerator.Next() * 5120) - 2560;
    randomGenerator.Reseed(5);
    FieldSkirmishTanks(*world);
    bool found = false;
    for (Tank* tank : TanksOf(3))
        if (tank->number == 1) {
            found = true;
            EXPECT_EQ(tank->x, x);
            EXPECT_EQ(tank->y, y);
        }
    EXPECT_TRUE(found);
}

TEST_F(Skirmish, TheBattleMakesSideThreeThePlayers) {
    Brisk::Node document;
    document.LoadText(emptyLevel);
    Battle battle = StartBattle(std::move(document), 800, 600, true);
    EXPECT_EQ(battle.world->sides.playerSide, 3);
    EXPECT_EQ(battle.world->sides[3].name, "Vendel");
    EXPECT_EQ(battle.world->fog.Side(), 3);
    EXPECT_EQ(battle.world->Events(), battle.level);
    EXPECT_GT(battle.world->Objects(3, KindTank).Count(), 0u);
}

using Digest = LevelFixture;

TEST_F(Digest, EveryPartOfTheStateChangesIt) {
    Level& level =
        Start("<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"1\"/>"
              "<building type=\"base\" color=\"Blue\" x=\"900\"/>");
    auto* tank = First<Tank>(1, KindTank);
    auto* base = First<Building>(3, KindBuilding);
    std::set<std::uint64_t> seen{StateDigest(*world, &level)};
    const auto changed = [&] { return seen.insert(StateDigest(*world, &level)).second; };
    EXPECT_FALSE(changed()) << "the same state gives the same digest";
    tank->x += 1;
    EXPECT_TRUE(changed());
    tank->direction += 1;
    EXPECT_TRUE(changed());
    tank->armor->hitPoints -= 1;
    EXPECT_TRUE(changed());
    tank->turret->ammunition -= 1;
    EXPECT_TRUE(changed());
    base->hitPoints -= 1;
    EXPECT_TRUE(changed());
    world->sides[4].money = 5;
    EXPECT_TRUE(changed());
    level.won = true;
    EXPECT_TRUE(changed());
    tank->side = 2; // filed under Red, but now claims to be Green
    EXPECT_TRUE(changed());
    tank->side = 1;
    world->Tick(0);
    EXPECT_FALSE(changed()) << "a step of no time changes nothing";
    world->Tick(16);
    EXPECT_TRUE(changed()) << "the clocks";
    EXPECT_EQ(DigestText(0x0123456789abcdefull), "0123456789abcdef");
}

// The digest reads hit points where the census does: a tank without its armour has none, which is not
// the same state as armour shot down to 0.
TEST_F(Digest, ATankWithoutArmourHasNoHitPointsRatherThanZero) {
    Start("<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"1\"/>");
    auto* tank = First<Tank>(1, KindTank);
    const auto digestOf = [&] {
        DigestWriter digest;
        AddObjectState(digest, KindTank, *tank);
        return digest.Value();
    };
    tank->armor->hitPoints = 0;
    const std::uint64_t shotDown = digestOf();
    tank->armor.reset();
    EXPECT_NE(digestOf(), shotDown);
}
