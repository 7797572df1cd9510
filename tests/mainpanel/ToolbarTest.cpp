// The toolbar widget: button states under the pointer, scrolling limits, click counting.
#include "interface/Toolbar.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {

// A strip at (100, 8) whose buttons all fit (4 buttons need 329 pixels).
class ToolbarStrip : public ::testing::Test {
protected:
    ToolbarStrip() {
        for (int i = 0; i < 4; ++i)
            toolbar.AddButton(0);
    }
    // The centre of button i, unscrolled.
    static int CentreX(int i) { return 100 + 24 + 72 * i + 32; }

    Toolbar toolbar{400, 100, 8};
};

// 18 buttons on a strip 500 pixels wide at (0, 8).
struct LongStrip : Toolbar {
    LongStrip() : Toolbar(500, 0, 8) {
        for (int i = 0; i < 18; ++i)
            AddButton(0);
    }
};

} // namespace

TEST_F(ToolbarStrip, TheButtonUnderThePointerIsHoveredOrPressedAndTheOthersNormal) {
    toolbar.Update(16, {CentreX(1), 40, false});
    EXPECT_EQ(toolbar.Button(1).state, ButtonState::Hover);
    EXPECT_EQ(toolbar.Button(0).state, ButtonState::Normal);
    EXPECT_EQ(toolbar.PointedButton(), 1);
    toolbar.Update(16, {CentreX(2), 40, true});
    EXPECT_EQ(toolbar.Button(2).state, ButtonState::Pressed);
    EXPECT_EQ(toolbar.Button(1).state, ButtonState::Normal);
    toolbar.Update(16, {CentreX(2), 200, false});
    EXPECT_EQ(toolbar.PointedButton(), -1) << "above the strip";
}

TEST_F(ToolbarStrip, ADisabledButtonKeepsItsStateAndCountsNoClicks) {
    toolbar.SetEnabled(1, false);
    toolbar.Update(16, {CentreX(1), 40, true});
    EXPECT_EQ(toolbar.Button(1).state, ButtonState::Disabled);
    EXPECT_TRUE(toolbar.Click(CentreX(1), 40)) << "the strip still takes the click";
    EXPECT_EQ(toolbar.TakeClicks(1), 0);
    toolbar.SetEnabled(1, true);
    EXPECT_EQ(toolbar.Button(1).state, ButtonState::Normal);
}

TEST_F(ToolbarStrip, ClicksAreCountedUntilTakenAndBetweenButtonsCountForNone) {
    EXPECT_TRUE(toolbar.Click(CentreX(2), 40));
    EXPECT_TRUE(toolbar.Click(CentreX(2), 40));
    EXPECT_TRUE(toolbar.Click(100 + 24 + 64 + 3, 40)) << "in the gap after button 0";
    EXPECT_EQ(toolbar.TakeClicks(2), 2);
    EXPECT_EQ(toolbar.TakeClicks(2), 0);
    EXPECT_EQ(toolbar.TakeClicks(0), 0);
    EXPECT_EQ(toolbar.TakeClicks(1), 0);
    EXPECT_EQ(toolbar.TakeClicks(-1), 0);
    EXPECT_EQ(toolbar.TakeClicks(4), 0);
}

TEST_F(ToolbarStrip, ClicksOffTheButtonBandAreNotTaken) {
    EXPECT_FALSE(toolbar.Click(100 + 10, 40)) << "on the left arrow";
    EXPECT_FALSE(toolbar.Click(100 + 400 - 10, 40)) << "on the right arrow";
    EXPECT_FALSE(toolbar.Click(CentreX(0), 8 + 65));
    EXPECT_TRUE(toolbar.Click(CentreX(0), 8 + 64)) << "the band's top row still belongs to it";
    EXPECT_FALSE(toolbar.Click(CentreX(0), 7));
}

TEST_F(ToolbarStrip, ArrowsAreDisabledWhileEveryButtonFits) {
    toolbar.Update(16, {110, 40, true});
    EXPECT_TRUE(toolbar.LeftArrow().Disabled());
    EXPECT_TRUE(toolbar.RightArrow().Disabled());
    EXPECT_EQ(toolbar.Scroll(), 0);
}

TEST(ToolbarScroll, TheRightArrowScrollsUpToTheLimitAndThenIsDisabled) {
    LongStrip toolbar;
    ASSERT_EQ(toolbar.ScrollLimit(), 837);
    toolbar.scrollSpeed = 400;
    const PanelPointer onRightArrow{500 - 8, 40, true};
    toolbar.Update(100, onRightArrow);
    EXPECT_FLOAT_EQ(toolbar.Scroll(), 40);
    EXPECT_EQ(toolbar.RightArrow().state, ButtonState::Pressed);
    EXPECT_EQ(toolbar.LeftArrow().state, ButtonState::Disabled) << "it was still at 0 when the frame began";
    for (int frame = 0; frame < 30; ++frame)
        toolbar.Update(100, onRightArrow);
    EXPECT_FLOAT_EQ(toolbar.Scroll(), 837);
    EXPECT_TRUE(toolbar.RightArrow().Disabled());
    EXPECT_EQ(toolbar.LeftArrow().state, ButtonState::Normal);
    toolbar.Update(1000, {4, 40, true});
    EXPECT_FLOAT_EQ(toolbar.Scroll(), 437);
}

TEST(ToolbarScroll, WithoutAScrollingSpeedHoldingAnArrowChangesNothing) {
    LongStrip toolbar;
    toolbar.scrollSpeed = 0;
    toolbar.Update(1000, {500 - 8, 40, true});
    EXPECT_EQ(toolbar.Scroll(), 0);
    EXPECT_EQ(toolbar.RightArrow().state, ButtonState::Pressed);
}

TEST(ToolbarScroll, ScrolledButtonsAreHitWhereTheyAreDrawn) {
    LongStrip toolbar;
    toolbar.SetScroll(72 * 5);
    toolbar.Click(24 + 32, 40);
    EXPECT_EQ(toolbar.TakeClicks(5), 1);
    EXPECT_EQ(toolbar.TakeClicks(0), 0);
    toolbar.SetScroll(5000);
    EXPECT_EQ(toolbar.Scroll(), 837) << "scroll stays within its limit";
}
