// The fog grid: reveal, ageing, fading back and the visibility threshold.
#include "world/FogOfWar.h"

#include "rules/FowData.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Vorn;

namespace {
class Fog : public ::testing::Test {
protected:
    Fog() { fog.Reset(3); }

    static Constants::FowData Record() {
        Constants::FowData record;
        record.granularity = 100;
        record.beforeFadeBackTime = 2;
        record.fadeBackTime = 4;
        return record;
    }

    // The grid point at the map position (x, y), both multiples of 100.
    const FogOfWar::GridPoint& At(float x, float y) const {
        return fog.PointAt(static_cast<int>((x + 500) / 100), static_cast<int>((y + 500) / 100));
    }

    Constants::FowData record = Record();
    FogOfWar fog{&record, 500, 500};
};
} // namespace

TEST_F(Fog, GridSpansTheMapWithAPointAtEachEnd) {
    EXPECT_EQ(fog.Columns(), 11);
    EXPECT_EQ(fog.Rows(), 11);
    EXPECT_EQ(At(-500, 500).fog, 1);
}

TEST_F(Fog, RevealClearsNearerPointsMoreAndOnlyForTheFogsSide) {
    fog.RevealFog(0, 0, 250, 2);
    EXPECT_EQ(At(0, 0).fog, 1);
    fog.RevealFog(0, 0, 250, 3);
    EXPECT_EQ(At(0, 0).fog, 0);
    EXPECT_NEAR(At(100, 0).fog, 0.16f * 0.16f, 1e-6);
    EXPECT_NEAR(At(200, 0).fog, 0.64f * 0.64f, 1e-6);
    EXPECT_EQ(At(300, 0).fog, 1);
    EXPECT_EQ(At(200, 200).fog, 1); // inside the square, outside the circle
    // A weaker reveal never fogs a clearer point.
    fog.RevealFog(100, 0, 120, 3);
    EXPECT_EQ(At(0, 0).fog, 0);
    EXPECT_EQ(At(100, 0).fog, 0);
}

TEST_F(Fog, RevealAtTheMapsEdgeStaysOnTheGrid) {
    fog.RevealFog(-520, 510, 150, 3);
    EXPECT_LT(At(-500, 500).fog, 0.1f);
    // Far off the map with a huge radius: clamped to the grid, and still correct.
    fog.RevealFog(1e9f, -1e9f, 2e9f, 3);
    EXPECT_NEAR(At(0, 0).fog, 0.25f, 1e-3);
}

TEST_F(Fog, ClearedPointsStayClearThenFadeBack) {
    fog.RevealFog(0, 0, 250, 3);
    fog.Update(2000);
    EXPECT_EQ(At(0, 0).fog, 0) << "not yet past the waiting time";
    fog.Update(1000);
    EXPECT_NEAR(At(0, 0).fog, 0.25f, 1e-6);
    EXPECT_NEAR(At(0, 0).age, 3, 1e-5);
    fog.Update(8000);
    EXPECT_GT(At(0, 0).fog, 1) << "fog grows past full and is not capped";
    fog.RevealFog(0, 0, 250, 3);
    EXPECT_EQ(At(0, 0).age, 0);
}

TEST_F(Fog, VisibleOnlyBelowTheThreshold) {
    // Four grid points share a fog just above, then just below, 0.99.
    const auto revealCorners = [this](float fogValue) {
        fog.Reset(3);
        const float radius = std::sqrt(5000.0f / std::sqrt(fogValue));
        fog.RevealFog(50, 50, radius, 3);
    };
    revealCorners(0.995f);
    ASSERT_NEAR(At(0, 0).fog, 0.995f, 1e-4);
    EXPECT_FALSE(fog.IsVisible(50, 50, 1));
    revealCorners(0.985f);
    EXPECT_TRUE(fog.IsVisible(50, 50, 1));
    EXPECT_FALSE(fog.IsVisible(-350, -350, 1));
    EXPECT_TRUE(fog.IsVisible(-350, -350, 400)) << "a large object is seen by its edge";
}

// What the fog hides goes undrawn under it: a box is hidden only while every square it touches is opaque.
TEST_F(Fog, HidesOnlyBoxesWhoseSquaresAreOpaqueThroughout) {
    EXPECT_TRUE(fog.Hides(-500, -500, 500, 500)) << "nothing explored yet";
    fog.RevealFog(0, 0, 150, 3);
    EXPECT_FALSE(fog.Hides(-50, -50, 50, 50));
    // The square from (100, 0) to (200, 100) has the cleared point (100, 0) as a corner.
    EXPECT_FALSE(fog.Hides(150, 50, 160, 60));
    EXPECT_TRUE(fog.Hides(250, 250, 290, 290));
    EXPECT_FALSE(fog.Hides(250, 250, 350, -100)) << "an upside-down box is no box to leave out";
    EXPECT_TRUE(fog.Hides(2000, 2000, 3000, 3000)) << "beyond the map the fog is full";
    EXPECT_FALSE(FogOfWar(nullptr, 500, 500).Hides(0, 0, 10, 10)) << "without fog nothing is hidden";
}

TEST(FogOfWarData, BrokenGranularityGivesAUsableGrid) {
    Constants::FowData record;
    record.granularity = 0;
    FogOfWar coarse(&record, 500, 500);
    EXPECT_EQ(coarse.Columns(), 2);
    record.granularity = 1e-6f;
    FogOfWar tiny(&record, 500, 500);
    EXPECT_LE(double(tiny.Columns()) * tiny.Rows(), double(1 << 24));
    FogOfWar none(nullptr, 500, 500);
    none.Reset(3);
    none.Update(100000);
    EXPECT_FALSE(none.IsVisible(0, 0, 10));
}
