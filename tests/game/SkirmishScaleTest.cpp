// Larger skirmishes: the game's 256 tanks stand exactly where they always did, and more tanks spread over
// fields widened so that they stand as densely.
#include "LevelTestSupport.h"

#include "game/SkirmishForces.h"
#include "random/Random.h"
#include "world/Tank.h"

#include <cmath>
#include <map>
#include <utility>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

const char* const emptyLevel = "<level width=\"8192\" height=\"6144\"/>";

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
    Load(emptyLevel);
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
