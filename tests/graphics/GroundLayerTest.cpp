// The ground's view boxes: what lies on the map and what beyond it cover the view exactly once.
#include "graphics/GroundLayer.h"

#include <gtest/gtest.h>

namespace {

using Box = Vorn::GroundLayer::Box;

float Area(const Box& box) {
    return box.Empty() ? 0 : (box.right - box.left) * (box.top - box.bottom);
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Every view against a 2000 x 1000 map: the parts beyond and the map's part tile the view, none overlapping.
TEST(GroundLayerBoxes, TheMapAndWhatLiesBeyondTileTheView) {
    const float halfWidth = 1000;
    const float halfHeight = 500;
    const Box views[] = {{-100, -100, 100, 100},   {900, 400, 1300, 800},    {-1500, -900, 1500, 900},
                         {-1200, -100, -900, 100}, {3000, 3000, 3500, 3500}, {-1000, -500, 1000, 500}};
    for (const Box& view : views) {
        const Box map = Vorn::GroundLayer::MapPart(view, halfWidth, halfHeight);
        const std::vector<Box> beyond = Vorn::GroundLayer::BeyondParts(view, halfWidth, halfHeight);
        float covered = Area(map);
        for (std::size_t i = 0; i < beyond.size(); ++i) {
            EXPECT_FALSE(beyond[i].Empty());
            EXPECT_FALSE(!map.Empty() && Overlap(beyond[i], map)) << "part " << i << " lies on the map";
            for (std::size_t j = i + 1; j < beyond.size(); ++j)
                EXPECT_FALSE(Overlap(beyond[i], beyond[j])) << i << " and " << j;
            covered += Area(beyond[i]);
        }
        EXPECT_FLOAT_EQ(covered, Area(view)) << view.left << " " << view.bottom;
    }
    EXPECT_TRUE(Vorn::GroundLayer::BeyondParts({-10, -10, 10, 10}, halfWidth, halfHeight).empty());
}

} // namespace
