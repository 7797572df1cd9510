// The game window on a real display: the pixel-exact projection, resizing, and the frame loop's ending.
#include "platform/Window.h"
#include "shell/ModeManager.h"
#include "shell/program/ShellState.h"
#include "shell/program/WindowProcedure.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using testing_support::GlTestWindow;
using testing_support::Pixel;

TEST(RenderContext, CornerVerticesLandOnTheCornerPixels) {
    GlTestWindow window(800, 600);
    SKIP_WITHOUT_GL(window);
    window.Clear();
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex2f(0, 0);
    glVertex2f(799, 599);
    glEnd();
    EXPECT_EQ(window.ReadPixel(0, 0), (Pixel{255, 255, 255}));
    EXPECT_EQ(window.ReadPixel(799, 599), (Pixel{255, 255, 255}));
    EXPECT_EQ(window.ReadPixel(1, 1), (Pixel{0, 0, 0}));
    EXPECT_EQ(window.ReadPixel(798, 598), (Pixel{0, 0, 0}));
}

TEST(RenderContext, BackBufferReadsFromTheTopRow) {
    GlTestWindow window(64, 32);
    SKIP_WITHOUT_GL(window);
    window.Clear();
    glColor3f(1, 0, 0);
    glBegin(GL_POINTS);
    glVertex2f(0, 31); // top-left in drawing coordinates
    glEnd();
    platform::RgbaImage image = window.Context().ReadBackBuffer();
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 32);
    EXPECT_EQ(image.pixels[0], 255);
    EXPECT_EQ(image.pixels[1], 0);
}

// The real window procedure with no mode registered.
class ShellWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Zelt::shell = Zelt::ShellState{};
        platform::WindowStyle style;
        style.width = 320;
        style.height = 200;
        window = platform::Window::Create(style, Zelt::WindowProc);
        if (!window) {
            GTEST_SKIP() << "no display: " << platform::LastErrorText();
        }
    }
    void TearDown() override {
        window.reset();
        // Drain what the shutdown posted, so later tests start with an empty queue.
        platform::Message message;
        while (platform::IsMessageWaiting() && platform::GetMessage(message)) {
        }
    }
    std::unique_ptr<platform::Window> window;
};

TEST_F(ShellWindowTest, SizeMessageResizesTheViewportAndAsksForAFrame) {
    window->Validate();
    window->Send(WM_SIZE, 0, platform::MakeLParam(800, 600));
    EXPECT_EQ(Zelt::shell.renderContext->width, 800);
    EXPECT_EQ(Zelt::shell.renderContext->height, 600);
    EXPECT_TRUE(window->IsPaintPending());
}

TEST_F(ShellWindowTest, DeactivationStopsFramesAndActivationAsksForTheNextOne) {
    window->Send(WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(Zelt::shell.inactiveFlag, 1);
    platform::Message message;
    while (platform::IsMessageWaiting()) {
        platform::GetMessage(message);
    }
    window->Send(WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(Zelt::shell.inactiveFlag, 0);
    ASSERT_TRUE(platform::IsMessageWaiting());
    ASSERT_TRUE(platform::GetMessage(message));
    EXPECT_EQ(message.code, Zelt::RepaintMessage);
}

TEST_F(ShellWindowTest, FrameWithoutACurrentModeClosesTheWindow) {
    ASSERT_EQ(Zelt::modeManager.Current(), -1);
    window->Show();
    platform::Message message;
    int frames = 0;
    while (platform::GetMessage(message)) {
        frames += message.code == WM_PAINT ? 1 : 0;
        platform::DispatchMessage(message);
        ASSERT_LT(frames, 5) << "the window should have closed after the first frame";
    }
    EXPECT_EQ(frames, 1);
    EXPECT_TRUE(window->IsDestroyed());
    EXPECT_EQ(Zelt::shell.renderContext, nullptr);
}

} // namespace

namespace {

// A terminate signal closes even a window that refuses the desktop's close request.
TEST(WindowSignals, TerminateClosesAWindowThatRefusesTheSystemClose) {
    platform::WindowStyle style;
    style.width = 64;
    style.height = 48;
    style.systemCloseAllowed = false;
    int closes = 0;
    auto window = platform::Window::Create(
        style, [&closes](platform::Window& self, std::uint32_t message, platform::WParam wParam,
                         platform::LParam lParam) -> platform::LParam {
            if (message == WM_CLOSE) {
                ++closes;
            }
            return self.DefaultProcedure(message, wParam, lParam);
        });
    if (!window) {
        GTEST_SKIP() << "no display: " << platform::LastErrorText();
    }
    std::raise(SIGTERM);
    platform::Message message;
    for (int round = 0; round < 50 && closes == 0 && platform::IsMessageWaiting(); ++round) {
        if (platform::GetMessage(message)) {
            platform::DispatchMessage(message);
        }
    }
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(window->IsDestroyed());
    while (platform::IsMessageWaiting() && platform::GetMessage(message)) {
    }
}

} // namespace
