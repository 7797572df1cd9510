// The scars of battle: bounded, oldest first, each kind within its own bound, fading over its life.
#include "graphics/BattleScars.h"

#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
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

// Drawn in one batch, each scar lies where it was left, turned, at its own strength: a crater nearly
// opaque, a track faint, nothing beyond either. Without the "scars" picture texturing is off and every scar
// is a plain square, so its strength reads straight off a black ground. What is drawn next starts from
// opaque white.
TEST(BattleScars, OneBatchLaysEachScarWhereItLiesAtItsStrength) {
    testing_support::GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    window.Clear(0, 0, 0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BattleScars scars;
    scars.Add(BattleScars::Crater, 80, 120, 20, 45);
    scars.Add(BattleScars::Track, 240, 120, 20, 0);
    glColor4f(0, 0, 0, 0);
    scars.Draw(160, 120, 200);

    EXPECT_NEAR(window.ReadPixel(80, 120).r, 255 * 0.85, 3) << "a crater's centre";
    EXPECT_NEAR(window.ReadPixel(80, 146).r, 255 * 0.85, 3) << "turned: its corner reaches up";
    EXPECT_EQ(window.ReadPixel(100, 142).r, 0) << "turned: the square's own corner is bare";
    EXPECT_NEAR(window.ReadPixel(240, 120).r, 255 * 0.4, 3) << "a track";
    EXPECT_EQ(window.ReadPixel(160, 120).r, 0) << "between them";
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0] + colour[1] + colour[2] + colour[3], 4);
}

} // namespace
