// The panel on screen: icons rendered from drawings, button frames where clicks hit them, the progress bar.
#include "PanelWorld.h"
#include "graphics/TextureStore.h"
#include "interface/BuildInfoPanel.h"
#include "interface/ButtonIcons.h"
#include "tests/support/GlTestWindow.h"
#include "world/HQ.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

using namespace Vorn;
using namespace PanelTest;
using testing_support::GlTestWindow;
using testing_support::Pixel;

namespace {

constexpr const char* square = R"(<quad><vertex x="-10" y="-10"/><vertex x="10" y="-10"/>
    <vertex x="10" y="10"/><vertex x="-10" y="10"/></quad>)";

std::vector<unsigned char> TexturePixels(unsigned int texture, int side) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(side * side * 4));
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

} // namespace

TEST(ButtonIcons, AnIconIsItsDrawingInTheSideColourOnATransparentGround) {
    GlTestWindow window(320, 240);
    SKIP_WITHOUT_GL(window);
    PanelWorld base;
    base.UseDrawings({{"PowerPlant", square}});
    EXPECT_EQ(IconTexture("PowerPlant"), textureStore.FindTexture("no such texture"));
    RenderButtonIcons(1, 64);
    const unsigned int texture = IconTexture("PowerPlant");
    ASSERT_NE(texture, textureStore.FindTexture("no such texture"));
    const std::vector<unsigned char> pixels = TexturePixels(texture, 64);
    const std::size_t centre = (32 * 64 + 32) * 4;
    EXPECT_EQ(pixels[centre + 0], 255) << "red, side 1";
    EXPECT_EQ(pixels[centre + 1], 0);
    EXPECT_EQ(pixels[centre + 3], 255) << "opaque";
    EXPECT_EQ(pixels[3], 0) << "the corner shows the button through it";
    EXPECT_NE(IconTexture("count"), textureStore.FindTexture("no such texture")) << "plain icons too";
    EXPECT_EQ(window.ReadPixel(10, 10), (Pixel{0, 0, 0})) << "the corner it rendered in is cleared";
    textureStore.Release();
}

TEST(PanelDraw, ButtonsStandWhereTheirClicksHitAndTheProgressBarFills) {
    GlTestWindow window(1280, 160);
    SKIP_WITHOUT_GL(window);
    PanelWorld base;
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, PanelWorld::side);
    base.Select(hq);
    base.Update();
    BuildInfoPanel buildInfo;
    window.Clear();
    base.panel.Draw(buildInfo);
    const Pixel frame{64, 128, 255};
    const int firstLeft = base.layout.ToolbarX() + Toolbar::firstButtonOffset;
    EXPECT_EQ(window.ReadPixel(firstLeft, 40), frame);
    EXPECT_EQ(window.ReadPixel(firstLeft + 72, 40), frame);
    EXPECT_FALSE(buildInfo.Raised());

    base.Press(5);
    base.world->Tick(500); // half of the power plant's second
    base.Update();
    window.Clear();
    base.panel.Draw(buildInfo);
    EXPECT_TRUE(buildInfo.Raised()) << "the place toolbar raises the build info";
    const int barLeft = firstLeft + 72 + 6;
    EXPECT_EQ(window.ReadPixel(barLeft + 10, 8 + 56), frame) << "filled";
    EXPECT_NE(window.ReadPixel(barLeft + 40, 8 + 56), frame) << "not yet";
}
