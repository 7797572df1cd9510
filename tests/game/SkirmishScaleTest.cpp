// The skirmish's size and room: the game's 256 tanks stand exactly where they always did, more tanks spread
// over fields widened so that they stand as densely, no tank stands off the map, and a level says how many
// it fields unless the player chose otherwise.
#include "LevelTestSupport.h"

#include "game/Battle.h"
#include "game/SkirmishForces.h"
#include "random/Random.h"
#include "world/Tank.h"

#include <cmath>
#include <map>
#include <optional>
#include <utility>

using namespace Vorn;
using LevelTest::emptyLevel;
using LevelTest::LevelFixture;

namespace {

class SkirmishScale : public LevelFixture {
protected:
    // Every tank by side and callsign number (each side counts its own), with its place.
    std::map<std::pair<int, int>, std::pair<float, float>> Places() {
        std::map<std::pair<int, int>, std::pair<float, float>> places;
        for (int side : {2, 3})
            for (const auto& [key, cell] : world->Objects(side, KindTank).Cells())
                for (Object* object : cell)
                    places[{side, static_cast<Tank*>(object)->number}] = {object->x, object->y};
        return places;
    }
};

} // namespace

TEST_F(SkirmishScale, TheGamesCountIsTheDefaultAndDrawsAsBefore) {
    Load(emptyLevel);
    randomGenerator.Reseed(9);
    FieldSkirmishTanks(*world);
    const auto byDefault = Places();
    const double next = randomGenerator.Next();

    Load(emptyLevel);
    randomGenerator.Reseed(9);
    FieldSkirmishTanks(*world, skirmishTankCount);
    EXPECT_EQ(Places(), byDefault);
    EXPECT_EQ(randomGenerator.Next(), next) << "the same number of draws";
}

TEST_F(SkirmishScale, FourTimesTheTanksStandInFieldsTwiceAsWideAndLong) {
    Load("<level width=\"16384\" height=\"16384\"/>");
    randomGenerator.Reseed(4);
    const int x = static_cast<int>(randomGenerator.Next() * 4096) + 128;
    const int y = static_cast<int>(randomGenerator.Next() * 10240) - 5120;
    randomGenerator.Reseed(4);
    const int filed = FieldSkirmishTanks(*world, 1024);
    const auto places = Places();
    EXPECT_EQ(static_cast<std::size_t>(filed), places.size());
    EXPECT_GT(filed, 900);
    // The first tank drawn is the player's first.
    ASSERT_TRUE(places.contains({3, 1}));
    EXPECT_EQ(places.at({3, 1}), std::make_pair(static_cast<float>(x), static_cast<float>(y)));
    bool beyondTheOldFields = false;
    for (const auto& [tank, place] : places) {
        const auto [px, py] = place;
        if (tank.first == 3) {
            EXPECT_GE(px, 128);
            EXPECT_LT(px, 128 + 4096);
        } else {
            EXPECT_LE(px, -256);
            EXPECT_GT(px, -256 - 4096);
        }
        EXPECT_GE(py, -5120);
        EXPECT_LT(py, 5120);
        beyondTheOldFields |= std::abs(py) > 2560 || px > 128 + 2048 || px < -256 - 2048;
    }
    EXPECT_TRUE(beyondTheOldFields);
}

TEST_F(SkirmishScale, SmallAndOutOfRangeCountsKeepTheFields) {
    Load(emptyLevel);
    EXPECT_EQ(FieldSkirmishTanks(*world, 0), 0);
    EXPECT_EQ(FieldSkirmishTanks(*world, -5), 0);
    const int filed = FieldSkirmishTanks(*world, 8);
    EXPECT_GE(filed, 7);
    for (const auto& [tank, place] : Places()) {
        EXPECT_LT(std::abs(place.second), 2560.0f + 1);
        EXPECT_LT(std::abs(place.first), 2304.0f + 1);
    }
}

TEST_F(SkirmishScale, EveryTankStandsWhollyOnTheMap) {
    Load("<level width=\"2000\" height=\"2000\"/>");
    const int filed = FieldSkirmishTanks(*world);
    EXPECT_GT(filed, 100) << "the fields shrink to the map instead of losing the tanks beyond it";
    const float size = world->Objects(3, KindTank).Cells().begin()->second.front()->size;
    for (const auto& [tank, place] : Places()) {
        EXPECT_LE(std::abs(place.first), 1000 - size) << tank.first << " " << tank.second;
        EXPECT_LE(std::abs(place.second), 1000 - size) << tank.first << " " << tank.second;
        EXPECT_TRUE(tank.first == 3 ? place.first >= 128 : place.first <= -256) << "each side keeps its half";
    }
    // Where the enemy's field finds no room, nobody is fielded and nothing drawn.
    Load("<level width=\"500\" height=\"8000\"/>");
    Random before = randomGenerator;
    EXPECT_EQ(FieldSkirmishTanks(*world), 0);
    EXPECT_EQ(randomGenerator.Next(), before.Next());
}

TEST_F(SkirmishScale, ALevelSaysHowManyItFieldsAndAChoiceOverridesIt) {
    const auto tanks = [](const Battle& battle) {
        return battle.world->Objects(2, KindTank).Count() + battle.world->Objects(3, KindTank).Count();
    };
    const auto start = [](const char* text, std::optional<int> chosen) {
        Brisk::Node document;
        document.LoadText(text);
        return StartBattle(std::move(document), 800, 600, true, chosen);
    };
    const char* const sixteen = "<level width=\"8192\" height=\"6144\" skirmish=\"16\"/>";
    const std::size_t own = tanks(start(sixteen, std::nullopt));
    EXPECT_GE(own, 14u);
    EXPECT_LE(own, 16u);
    EXPECT_EQ(tanks(start(sixteen, 0)), 0u);
    EXPECT_GT(tanks(start(sixteen, 64)), 50u);
    EXPECT_GT(tanks(start(emptyLevel, std::nullopt)), 200u) << "the game's 256 when the level does not say";

    const auto countOf = [](const char* text) {
        Brisk::Node document;
        document.LoadText(text);
        return SkirmishCountOf(document);
    };
    EXPECT_EQ(countOf("<level skirmish=\"0\"/>"), 0);
    EXPECT_EQ(countOf("<level skirmish=\"-3\"/>"), 0);
    EXPECT_EQ(countOf("<level skirmish=\"99999999\"/>"), largestSkirmish);
    EXPECT_EQ(countOf("<level/><level skirmish=\"5\"/>"), skirmishTankCount) << "only the first level counts";
    EXPECT_EQ(countOf("<event/>"), skirmishTankCount);
}
