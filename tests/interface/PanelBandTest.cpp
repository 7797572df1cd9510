// The main panel's band drawn from its copy looks exactly like its background's lines.
#include "interface/PanelBand.h"
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/PanelBackground.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_support::GlTestWindow;
using testing_support::Pixel;

std::vector<Pixel> Row(const GlTestWindow& window, int y) {
    std::vector<Pixel> row;
    for (int x = 0; x < 320; ++x)
        row.push_back(window.ReadPixel(x, y));
    return row;
}

class PanelBandTest : public testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_GL(window);
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
        glTranslatef(0.375f, 0.375f, 0.0f);
    }
    void TearDown() override { colourTable.Clear(); }

    GlTestWindow window{320, 120};
};

TEST_F(PanelBandTest, TheCopyShowsTheSamePixelsAsTheLines) {
    const unsigned int lines = Vorn::BuildPanelBackground(320, 81);
    window.Clear(0.2f, 0.1f, 0.4f);
    glCallList(lines);
    glDeleteLists(lines, 1);
    const std::vector<Pixel> expected[] = {Row(window, 0), Row(window, 16), Row(window, 40), Row(window, 80)};

    Vorn::PanelBand band(320, 81);
    window.Clear();
    band.Draw(0); // the first draw copies the lines
    ASSERT_TRUE(band.Cached());
    window.Clear(0.6f, 0.6f, 0.2f);
    band.Draw(0);
    EXPECT_EQ(Row(window, 0), expected[0]);
    EXPECT_EQ(Row(window, 16), expected[1]);
    EXPECT_EQ(Row(window, 40), expected[2]);
    EXPECT_EQ(Row(window, 80), expected[3]);
    // Above the band the screen is left alone.
    EXPECT_EQ(window.ReadPixel(100, 90), (Pixel{153, 153, 51}));
}

TEST_F(PanelBandTest, ASunkenBandMovesDownWithItsPicture) {
    const unsigned int lines = Vorn::BuildPanelBackground(320, 81);
    window.Clear();
    glCallList(lines);
    glDeleteLists(lines, 1);
    const std::vector<Pixel> top = Row(window, 80);

    Vorn::PanelBand band(320, 81);
    band.Draw(0);
    window.Clear();
    band.Draw(40);
    EXPECT_EQ(Row(window, 40), top);
    EXPECT_EQ(window.ReadPixel(100, 45), (Pixel{0, 0, 0}));
}

TEST_F(PanelBandTest, ABandWiderThanTheWindowKeepsItsLines) {
    Vorn::PanelBand band(640, 81);
    band.Draw(0);
    EXPECT_FALSE(band.Cached());
}

} // namespace
