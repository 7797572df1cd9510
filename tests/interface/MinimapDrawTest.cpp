// The minimap on screen: the camera's view is a filled rectangle over the picture.
#include "datafiles/ColourTable.h"
#include "tests/interface/InterfaceTestSupport.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>

namespace {

using interface_test::InterfaceTest;
using testing_support::GlTestWindow;
using testing_support::Pixel;

class MinimapDrawTest : public InterfaceTest {
protected:
    void SetUp() override {
        if (!window.Ok())
            GTEST_SKIP() << "no GL display: " << window.Reason();
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
        InterfaceTest::SetUp();
    }
    void TearDown() override {
        InterfaceTest::TearDown();
        colourTable.Clear();
    }
    void DrawMinimap() {
        window.Clear();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
        glTranslatef(0.375f, 0.375f, 0.0f);
        ui->GetMinimap().Draw(0);
    }
    Pixel ViewColour() const {
        const std::uint8_t* colour = colourTable.ColourOf("minimap_view");
        return {colour[0], colour[1], colour[2]};
    }

    GlTestWindow window{320, 240};
};

TEST_F(MinimapDrawTest, TheViewIsOneRectangleFilledToItsEdges) {
    // A 1280 x 720 screen at zoom 1 shows 1280 x 720 units of the 4096-unit map: on the 200-pixel square a
    // 62.5 x 35 pixel rectangle around the square's centre at (108, 108).
    DrawMinimap();
    EXPECT_EQ(window.ReadPixel(108, 108), ViewColour());
    // Beside the middle of its left and right sides, where a crossed quad would leave two dark notches.
    EXPECT_EQ(window.ReadPixel(80, 108), ViewColour());
    EXPECT_EQ(window.ReadPixel(136, 108), ViewColour());
    EXPECT_EQ(window.ReadPixel(150, 108), (Pixel{0, 0, 0}));
}

TEST_F(MinimapDrawTest, TheViewFollowsTheCameraAndStaysInsideTheSquare) {
    camera->SetCentre(2048, 0);
    DrawMinimap();
    EXPECT_EQ(window.ReadPixel(200, 108), ViewColour());
    EXPECT_EQ(window.ReadPixel(108, 108), (Pixel{0, 0, 0}));
    // Cut by the scissor at the square's right side.
    EXPECT_NE(window.ReadPixel(215, 108), ViewColour());
}

} // namespace
