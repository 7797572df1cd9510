// The scars of battle: bounded, oldest first, each kind within its own bound, fading over its life.
#include "graphics/BattleScars.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Vorn::BattleScars;

TEST(BattleScars, EachBoundDropsTheOldestAndTracksNeverPushOutCraters) {
    BattleScars scars;
    scars.Add(BattleScars::Crater, 0, 0, 20, 0);
    for (std::size_t i = 0; i < BattleScars::mostTracks + 10; ++i)
        scars.Add(BattleScars::Track, static_cast<float>(i), 0, 8, 0);
    EXPECT_EQ(scars.Tracks().size(), BattleScars::mostTracks);
    EXPECT_FLOAT_EQ(scars.Tracks().front().x, 10) << "the oldest ten went";
    ASSERT_EQ(scars.Marks().size(), 1u);
    for (std::size_t i = 0; i < BattleScars::mostMarks; ++i)
        scars.Add(BattleScars::Scorch, static_cast<float>(i + 1), 0, 8, 0);
    EXPECT_EQ(scars.Marks().size(), BattleScars::mostMarks);
    EXPECT_EQ(scars.Marks().front().kind, BattleScars::Scorch) << "the first crater was the oldest";
}

TEST(BattleScars, ScarsFadeOverTheirLifeAndThenGo) {
    BattleScars scars;
    scars.Add(BattleScars::Rubble, 0, 0, 50, 0);
    scars.Add(BattleScars::Track, 0, 0, 8, 0);
    scars.Age(BattleScars::trackLifeMs / 2);
    EXPECT_FLOAT_EQ(BattleScars::Opacity(scars.Tracks().front()), 0.5f);
    scars.Age(BattleScars::trackLifeMs / 2);
    EXPECT_TRUE(scars.Tracks().empty());
    ASSERT_EQ(scars.Marks().size(), 1u);
    EXPECT_GT(BattleScars::Opacity(scars.Marks().front()), 0.5f);
    scars.Age(BattleScars::markLifeMs);
    EXPECT_TRUE(scars.Marks().empty());
}

TEST(BattleScars, AScarThatIsNoPlaceOrNoSizeIsNotKept) {
    BattleScars scars;
    scars.Add(BattleScars::Scorch, std::numeric_limits<float>::quiet_NaN(), 0, 10, 0);
    scars.Add(BattleScars::Scorch, 0, std::numeric_limits<float>::infinity(), 10, 0);
    scars.Add(BattleScars::Scorch, 0, 0, 0, 0);
    scars.Add(static_cast<BattleScars::Kind>(9), 0, 0, 10, 0);
    EXPECT_TRUE(scars.Marks().empty());
    EXPECT_TRUE(scars.Tracks().empty());
}

} // namespace
