// The main panel background: where its grid lines fall, and how the list draws them over the gradient.
#include "datafiles/ColourTable.h"
#include "graphics/PanelBackground.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>

using Vorn::PanelLine;

namespace {

// The x of every vertical line of a group, in drawing order.
std::vector<int> VerticalXs(const Vorn::PanelLineGroup& group) {
    std::vector<int> xs;
    for (const PanelLine& line : group.lines) {
        if (line.x0 == line.x1 && line.y0 == 0) {
            xs.push_back(line.x0);
        }
    }
    return xs;
}

} // namespace

TEST(PanelBackground, HundredPixelWideBandHasItsLinesWhereTheGridsPutThem) {
    const auto groups = Vorn::PanelBackgroundLines(100, 81);
    ASSERT_EQ(groups.size(), 4u);
    std::vector<int> fine;
    for (int x = 0; x < 100; x += 4) {
        fine.push_back(x);
    }
    for (int x = 0; x < 100; x += 16) {
        fine.push_back(x);
    }
    EXPECT_EQ(groups[0].colour, "background_grid");
    EXPECT_EQ(VerticalXs(groups[0]), fine);
    EXPECT_EQ(VerticalXs(groups[1]), (std::vector<int>{8, 72}));
    EXPECT_EQ(VerticalXs(groups[2]), (std::vector<int>{40}));
    // Horizontal lines of the middle and coarse grids in an 81-pixel band.
    EXPECT_EQ(groups[1].lines.back().y0, 72);
    EXPECT_EQ(groups[2].lines.back().y0, 40);
    const PanelLine firstHorizontal = groups[0].lines[25];
    EXPECT_EQ(firstHorizontal.x0, 0);
    EXPECT_EQ(firstHorizontal.x1, 99) << "horizontal lines end at width - 1";
    EXPECT_EQ(firstHorizontal.y0, firstHorizontal.y1);
    EXPECT_EQ(groups[3].colour, "background_frame");
    EXPECT_EQ(groups[3].lines.size(), 4u);
}

TEST(PanelBackground, ListAddsTheGridsAndFrameOverTheGradient) {
    testing_support::GlTestWindow window(200, 100);
    SKIP_WITHOUT_GL(window);
    colourTable.Clear();
    for (const char* corner : {"background_bg1", "background_bg2", "background_bg3", "background_bg4"}) {
        colourTable.Store(corner, {10, 10, 10, 255});
    }
    colourTable.Store("background_grid", {20, 0, 0, 0}); // alpha is ignored
    colourTable.Store("background_grid1", {0, 20, 0, 255});
    colourTable.Store("background_grid2", {0, 0, 20, 255});
    colourTable.Store("background_frame", {100, 100, 100, 255});
    window.Clear();
    const unsigned int list = Vorn::BuildPanelBackground(200, 81);
    ASSERT_NE(list, 0u);
    glTranslatef(0.375f, 0.375f, 0);
    glCallList(list);
    glTranslatef(-0.375f, -0.375f, 0);
    using P = testing_support::Pixel;
    EXPECT_EQ(window.ReadPixel(2, 2), (P{10, 10, 10}));
    EXPECT_EQ(window.ReadPixel(4, 2), (P{30, 10, 10}));
    EXPECT_EQ(window.ReadPixel(16, 2), (P{50, 10, 10})) << "every 16th line is drawn twice";
    EXPECT_EQ(window.ReadPixel(8, 2), (P{30, 30, 10}));
    EXPECT_EQ(window.ReadPixel(40, 2), (P{30, 10, 30}));
    EXPECT_EQ(window.ReadPixel(199, 2), (P{110, 110, 110}));
    EXPECT_EQ(window.ReadPixel(2, 81), (P{0, 0, 0})) << "nothing above the band";
    EXPECT_EQ(window.ReadPixel(2, 80), (P{150, 110, 110})) << "the top of the frame over a doubled fine line";
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the list restores the blending state";
    glDeleteLists(list, 1);
    colourTable.Clear();
}
