// The minimap: what it paints, where, and what its clicks do.
#include "graphics/DrawCounters.h"
#include "tests/interface/InterfaceTestSupport.h"

#include <cmath>
#include <limits>

namespace {

using interface_test::InterfaceTest;
using Vorn::Minimap;
using Vorn::PixelTexture;

constexpr int minimapOffset = 8;
constexpr int minimapHalf = 100;

std::uint32_t Black() {
    return PixelTexture::Pack(0, 0, 0, 255);
}

class MinimapTest : public InterfaceTest {
protected:
    // Window coordinates (y down) of a point of the minimap square measured from its centre, y up.
    int WindowX(int fromCentre) const { return minimapOffset + minimapHalf + fromCentre; }
    int WindowY(int fromCentre) const {
        return screenHeight - 1 - (minimapOffset + minimapHalf + fromCentre);
    }
    std::uint32_t PixelAt(int x, int y) const { return ui->GetMinimap().Picture().PixelAt(x, y); }
};

TEST_F(MinimapTest, TheRightButtonCentresTheCameraAndDoesNotReachTheMap) {
    EXPECT_TRUE(ui->Click(WindowX(50), WindowY(-25), 1));
    EXPECT_FLOAT_EQ(camera->CentreX(), 1024);
    EXPECT_FLOAT_EQ(camera->CentreY(), -512);
    EXPECT_EQ(ui->MapPresses(), 0u);
}

TEST_F(MinimapTest, OtherButtonsGoToTheMapAndTheQuestionActsNowhere) {
    EXPECT_TRUE(ui->Click(WindowX(10), WindowY(10), 0));
    EXPECT_TRUE(ui->Click(WindowX(10), WindowY(10), 4));
    EXPECT_EQ(ui->MapPresses(), 2u);
    EXPECT_TRUE(ui->Click(WindowX(10), WindowY(10), -1));
    EXPECT_TRUE(ui->Click(WindowX(10), WindowY(10), 5));
    EXPECT_EQ(ui->MapPresses(), 2u);
    EXPECT_FLOAT_EQ(camera->CentreX(), 0);
    // The square's own edge is outside.
    EXPECT_FALSE(ui->GetMinimap().Click(minimapOffset, WindowY(0), 1));
}

TEST_F(MinimapTest, PaintsWhatThePlayerSeesInItsSidesColour) {
    Vorn::drawCounters.fill(0);
    Place(1024, -1024, 2, Vorn::KindTank);
    Place(-1024, 1024, 3, Vorn::KindBuilding);
    world->fog.RevealFog(1024, -1024, 300, 3);
    world->fog.RevealFog(-1024, 1024, 300, 3);
    PaintMinimap();
    // Texel (256 x 1024 / 4096 + 128, 256 x -1024 / 4096 + 128), a 3-texel square around it.
    EXPECT_EQ(PixelAt(192, 64), PixelTexture::Pack(0, 255, 0, 255));
    EXPECT_EQ(PixelAt(191, 63), PixelTexture::Pack(0, 255, 0, 255));
    EXPECT_EQ(PixelAt(193, 65), PixelTexture::Pack(0, 255, 0, 255));
    EXPECT_EQ(PixelAt(194, 64), Black());
    EXPECT_EQ(PixelAt(190, 64), Black());
    // Buildings are larger squares: 7 texels, 3 each way.
    EXPECT_EQ(PixelAt(64 - 3, 192 + 3), PixelTexture::Pack(0, 0, 255, 255));
    EXPECT_EQ(PixelAt(64 - 4, 192), Black());
    EXPECT_EQ(ui->GetMinimap().TakePaintedCount(), 2u);
    EXPECT_EQ(Vorn::drawCounters[Vorn::minimapObjectsCounter], 2u);
}

// An attack on the player's units flashes an outline there for a while; attacks on other sides do not,
// and one within the interval after a mark is dropped.
TEST_F(MinimapTest, AnAttackOnThePlayersUnitsFlashesAMarkAtMostOncePerInterval) {
    Minimap& minimap = ui->GetMinimap();
    const auto attack = [](float x, float y, int side) {
        return Vorn::WorldEvent{Vorn::WorldEventKind::UnderAttack, side, x, y, Vorn::KindTank, 1};
    };
    const std::uint32_t white = PixelTexture::Pack(255, 255, 255, 255);
    ui->TakeEvents({attack(0, 0, 2), attack(1024, -1024, 3), attack(-1024, 1024, 3)});
    PaintMinimap();
    // Around texel (192, 64), 5 texels out.
    EXPECT_EQ(PixelAt(192 - 5, 64), white);
    EXPECT_EQ(PixelAt(192 + 5, 64 + 5), white);
    EXPECT_EQ(PixelAt(192 + 6, 64), Black());
    EXPECT_EQ(PixelAt(128 - 5, 128), Black()) << "another side's unit";
    EXPECT_EQ(PixelAt(64 - 5, 192), Black()) << "within the interval";

    minimap.Age(Minimap::markBlinkMs);
    PaintMinimap();
    EXPECT_EQ(PixelAt(192 - 5, 64), Black()) << "blinked off";
    minimap.Age(Minimap::markShowMs);
    EXPECT_EQ(minimap.MarkCount(), 0u);
    ui->TakeEvents({attack(-1024, 1024, 3)});
    PaintMinimap();
    EXPECT_EQ(PixelAt(64 - 5, 192), white);
}

TEST_F(MinimapTest, WhatTheFogHidesNeverAppears) {
    Place(1500, 1500, 1, Vorn::KindTank);
    Place(1400, 1500, 4, Vorn::KindTower);
    PaintMinimap();
    for (int x = 200; x < 256; ++x)
        for (int y = 200; y < 256; ++y)
            ASSERT_EQ(PixelAt(x, y), Black()) << x << ", " << y;
    EXPECT_EQ(ui->GetMinimap().TakePaintedCount(), 0u);
}

TEST_F(MinimapTest, EachCycleStartsFromBlack) {
    Vorn::Object* tank = Place(0, 0, 1, Vorn::KindTank);
    world->fog.RevealFog(0, 0, 300, 3);
    PaintMinimap();
    ASSERT_EQ(PixelAt(128, 128), PixelTexture::Pack(255, 0, 0, 255));
    ASSERT_TRUE(world->EraseObject(tank, Vorn::KindTank));
    delete tank;
    ui->GetMinimap().Update();
    EXPECT_EQ(PixelAt(128, 128), Black());
    EXPECT_EQ(ui->GetMinimap().CurrentPhase(), Minimap::PaintTanks);
}

TEST_F(MinimapTest, EachCycleStartsFromTheGroundOfAWholePicture) {
    Place(0, 0, 1, Vorn::KindTank);
    world->fog.RevealFog(0, 0, 300, 3);
    Minimap& minimap = ui->GetMinimap();
    const std::uint32_t grass = PixelTexture::Pack(60, 90, 40, 255);
    minimap.SetGround(std::vector<std::uint32_t>(minimap.Picture().pixels.size(), grass));
    PaintMinimap();
    EXPECT_EQ(PixelAt(10, 200), grass);
    EXPECT_EQ(PixelAt(128, 128), PixelTexture::Pack(255, 0, 0, 255)) << "units stand on the ground";
    // A picture of another size is no ground for this one.
    minimap.SetGround(std::vector<std::uint32_t>(16, grass));
    PaintMinimap();
    EXPECT_EQ(PixelAt(10, 200), Black());
}

TEST_F(MinimapTest, UnitsAtTheMapsEdgeAreCutAtThePicturesEdge) {
    Place(2040, 0, 1, Vorn::KindTank);
    world->fog.RevealFog(2040, 0, 300, 3);
    PaintMinimap();
    EXPECT_EQ(PixelAt(255, 128), PixelTexture::Pack(255, 0, 0, 255));
    EXPECT_EQ(PixelAt(253, 128), Black());
}

TEST(MinimapTexel, AMapWithoutAreaOrAPointFarOffPlacesNothing) {
    int x = 0;
    int y = 0;
    EXPECT_FALSE(Minimap::TexelOf(10, 10, 0, 4096, 256, x, y));
    EXPECT_FALSE(Minimap::TexelOf(10, 10, 4096, 0, 256, x, y));
    EXPECT_FALSE(Minimap::TexelOf(10, 10, std::nanf(""), 4096, 256, x, y));
    EXPECT_FALSE(Minimap::TexelOf(std::nanf(""), 10, 4096, 4096, 256, x, y));
    EXPECT_FALSE(Minimap::TexelOf(1e30f, 10, 4096, 4096, 256, x, y));
    EXPECT_FALSE(Minimap::TexelOf(-std::numeric_limits<float>::infinity(), 0, 4096, 4096, 256, x, y));
    ASSERT_TRUE(Minimap::TexelOf(-2048, 2047, 4096, 4096, 256, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 255);
}

TEST_F(MinimapTest, AZeroSizedMapPaintsNothingAndCrashesNothing) {
    ui.reset();
    world = std::make_unique<Vorn::World>(0.0f, 0.0f, screenWidth, screenHeight, &fowRecord);
    world->fog.Reset(3);
    MakeInterface(interface_test::testLayout);
    Place(0, 0, 1, Vorn::KindTank);
    world->fog.RevealFog(0, 0, 300, 3);
    PaintMinimap();
    EXPECT_EQ(ui->GetMinimap().TakePaintedCount(), 0u);
    EXPECT_TRUE(ui->Click(WindowX(10), WindowY(10), 1));
    EXPECT_FLOAT_EQ(camera->CentreX(), 0);
}

TEST_F(MinimapTest, ALayoutWithoutATextureSizeLeavesAnEmptyPicture) {
    MakeInterface("<minimap size=\"200\" offset=\"8\" texture_size=\"1e12\"/>");
    Place(0, 0, 1, Vorn::KindTank);
    world->fog.RevealFog(0, 0, 300, 3);
    PaintMinimap();
    EXPECT_EQ(ui->GetMinimap().Picture().size, 0);
    EXPECT_EQ(ui->GetMinimap().TakePaintedCount(), 0u);
}

} // namespace
