// The loading bar grows with the loading step and is full in the frame that starts the game.
#include "game/LoadingBar.h"
#include "datafiles/ColourTable.h"
#include "tests/support/GlTestWindow.h"

#include <gtest/gtest.h>

namespace {

using testing_support::GlTestWindow;
using testing_support::Pixel;

class LoadingBarTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"loading_bar_1", "loading_bar_2", "loading_bar_3", "loading_bar_4"}) {
            colourTable.Store(name, {0, 255, 0, 255});
        }
        for (const char* name :
             {"loading_frame_1", "loading_frame_2", "loading_frame_3", "loading_frame_4"}) {
            colourTable.Store(name, {0, 0, 255, 255});
        }
    }
    void TearDown() override { colourTable.Clear(); }

    // Whether the bar's fill covers the pixel column x (the bar spans y 32 to 40).
    bool FilledAt(GlTestWindow& window, int x) { return window.ReadPixel(x, 36) == Pixel{0, 255, 0}; }
};

TEST_F(LoadingBarTest, GrowsByOneNinthOfItsLengthPerStep) {
    GlTestWindow window(200, 60);
    SKIP_WITHOUT_GL(window);
    window.Clear();
    Vorn::DrawLoadingBar(4); // ends at 32 + 512 / 9 = 88
    EXPECT_TRUE(FilledAt(window, 40));
    EXPECT_TRUE(FilledAt(window, 86));
    EXPECT_FALSE(FilledAt(window, 90));
}

TEST_F(LoadingBarTest, IsFullAtTheStepThatStartsTheGame) {
    GlTestWindow window(200, 60);
    SKIP_WITHOUT_GL(window);
    window.Clear();
    Vorn::DrawLoadingBar(9);
    EXPECT_TRUE(FilledAt(window, 158));
    EXPECT_FALSE(FilledAt(window, 170));
    EXPECT_EQ(window.ReadPixel(100, 40), (Pixel{0, 0, 255})); // the frame's top edge
}

} // namespace
