// The sliding panels and the click test that tells panel clicks from map clicks.
#include "interface/PanelLayout.h"
#include "interface/SlidingPanel.h"
#include "tests/interface/InterfaceTestSupport.h"
#include "tests/support/GlTestWindow.h"

#include <cmath>
#include <limits>

namespace {

using interface_test::InterfaceTest;
using Vorn::PanelSwitches;

constexpr PanelSwitches mainPanelOff{true, false, false};
constexpr PanelSwitches minimapOff{false, true, false};
constexpr PanelSwitches allShown{};

TEST(SlidingPanel, MovesOnePixelPerMillisecondWithinItsTravel) {
    Vorn::SlidingPanel panel(81);
    panel.Update(true, 30);
    EXPECT_FLOAT_EQ(panel.Position(), 30);
    panel.Update(true, 100);
    EXPECT_FLOAT_EQ(panel.Position(), 81);
    panel.Update(false, 50);
    EXPECT_FLOAT_EQ(panel.Position(), 31);
    panel.Update(false, 50);
    EXPECT_TRUE(panel.FullyShown());
}

TEST(SlidingPanel, NegativeTravelRunsBelowZeroAndNoNumberKeepsItStill) {
    Vorn::SlidingPanel negative(-40);
    EXPECT_FLOAT_EQ(negative.Minimum(), -40);
    negative.Update(false, 100);
    EXPECT_FLOAT_EQ(negative.Position(), -40);
    Vorn::SlidingPanel broken(std::nanf(""));
    broken.Update(true, 100);
    EXPECT_FLOAT_EQ(broken.Position(), 0);
}

TEST_F(InterfaceTest, TheMainPanelSlidesOutAndThenItsBandReachesTheMap) {
    const int inBand = screenHeight - 20;
    EXPECT_TRUE(ui->Click(640, inBand, 0));
    ui->Update(10, mainPanelOff);
    EXPECT_FLOAT_EQ(ui->MainPanel().Position(), 10);
    EXPECT_TRUE(ui->Click(640, inBand, 0));
    // Part way down only the part of the band still on screen keeps clicks.
    ui->Update(60, mainPanelOff);
    EXPECT_FALSE(ui->Click(640, inBand, 0));
    EXPECT_TRUE(ui->Click(640, screenHeight - 5, 0));
    ui->Update(100, mainPanelOff);
    EXPECT_FLOAT_EQ(ui->MainPanel().Position(), 81);
    EXPECT_FALSE(ui->Click(640, screenHeight - 5, 0));
    EXPECT_FALSE(ui->Click(640, screenHeight - 1, -1));
    ui->Update(81, allShown);
    EXPECT_TRUE(ui->Click(640, inBand, 0));
}

// The ground leaves out what the band hides: only the rows it still covers while it slides, none once out.
TEST_F(InterfaceTest, TheMapRowsTheBandHidesFollowItsSlide) {
    testing_support::GlTestWindow window{screenWidth, screenHeight};
    SKIP_WITHOUT_GL(window);
    MakeInterface(interface_test::testLayout);
    EXPECT_EQ(ui->MapRowsHidden(), 81);
    ui->Update(30, mainPanelOff);
    EXPECT_EQ(ui->MapRowsHidden(), 51);
    ui->Update(100, mainPanelOff);
    EXPECT_EQ(ui->MapRowsHidden(), 0);
}

TEST_F(InterfaceTest, ClicksOffEveryPanelGoToTheMap) {
    EXPECT_FALSE(ui->Click(640, 300, 0));
    EXPECT_FALSE(ui->Click(640, 300, -1));
    EXPECT_FALSE(ui->Click(0, 0, 1));
}

TEST_F(InterfaceTest, APartlySlidMinimapIsUpdatedButNotClickable) {
    const int insideX = 100;
    const int insideY = screenHeight - 1 - 150; // above the band, inside the square
    ASSERT_TRUE(ui->Click(insideX, insideY, -1));
    ui->Update(50, minimapOff);
    EXPECT_EQ(ui->GetMinimap().CurrentPhase(), 1);
    EXPECT_FALSE(ui->Click(insideX, insideY, 0));
    EXPECT_FALSE(ui->Click(insideX, insideY, -1));
    EXPECT_EQ(ui->MapPresses(), 0u);
    // Slid out entirely (200 + 8 pixels), it is no longer painted either.
    ui->Update(200, minimapOff);
    const int phase = ui->GetMinimap().CurrentPhase();
    ui->Update(16, minimapOff);
    EXPECT_EQ(ui->GetMinimap().CurrentPhase(), phase);
}

TEST_F(InterfaceTest, TheInfoBoxTakesClicksWhereItStandsAndSinksWithTheMainPanel) {
    const int x = screenWidth - 100;
    EXPECT_TRUE(ui->Click(x, screenHeight - 130, 0));
    EXPECT_FALSE(ui->Click(x, screenHeight - 190, 0));
    ui->Update(100, mainPanelOff);
    // Standing on the screen's bottom now, the box covers rows the band no longer does...
    EXPECT_TRUE(ui->Click(x, screenHeight - 40, 0));
    // ...and the rows it left go to the map.
    EXPECT_FALSE(ui->Click(x, screenHeight - 130, 0));
}

TEST_F(InterfaceTest, AnInfoBoxSlidingOutTakesNoClicks) {
    ui->Update(1, PanelSwitches{false, false, true});
    EXPECT_FALSE(ui->Click(screenWidth - 100, screenHeight - 130, 0));
}

TEST(InterfaceValues, EveryAttributeIsAKeyAndTheLastOneWins) {
    Vorn::InterfaceValues values;
    values.Load(interface_test::Document("<!-- size=\"5\" --><minimap size=\"200\" offset=\"8.5\"/>"
                                         "<minimap size=\"180\"/><infobox title_x=\"-192\"/>"));
    EXPECT_DOUBLE_EQ(values.ValueOf("minimap.size"), 180);
    EXPECT_DOUBLE_EQ(values.ValueOf("minimap.offset"), 8.5);
    EXPECT_DOUBLE_EQ(values.ValueOf("infobox.title_x"), -192);
    EXPECT_DOUBLE_EQ(values.ValueOf("infobox.size"), 0);
    EXPECT_EQ(values.Values().size(), 3u);
}

// A layout file may give the minimap any number; the panel's strips still stand at whole pixels.
TEST(PanelLayout, AnyMinimapMeasureGivesUsablePositions) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Vorn::UsableMinimapSize(1e300), 65536);
    EXPECT_EQ(Vorn::UsableMinimapSize(-5), 0);
    EXPECT_EQ(Vorn::UsableMinimapSize(nan), 0);
    EXPECT_EQ(Vorn::UsableMinimapOffset(-infinity), 0);
    EXPECT_EQ(Vorn::UsableMinimapOffset(-1e300), -65536);
    EXPECT_EQ(Vorn::UsableMinimapOffset(8.5), 8.5);
    const Vorn::PanelLayout shipped{1280, 720, Vorn::UsableMinimapSize(200), Vorn::UsableMinimapOffset(8)};
    EXPECT_EQ(shipped.ToolbarX(), 224);
    EXPECT_EQ(shipped.ToolbarWidth(), 865);
    const Vorn::PanelLayout huge{1280, 720, Vorn::UsableMinimapSize(1e300), Vorn::UsableMinimapOffset(1e300)};
    EXPECT_EQ(huge.ToolbarX(), 65536 + 2 * 65536 + 8);
    EXPECT_EQ(huge.ToolbarWidth(), 1280 - 2 * 65536 - 65536 - 199);
}

} // namespace
