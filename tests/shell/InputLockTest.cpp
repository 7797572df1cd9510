// The devices' locks: the worker thread adds time while the game takes presses and clocks, and no
// millisecond is lost or counted twice. Run under the thread sanitizer to catch unguarded access.
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

#include "datafiles/Node.h"
#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testing_support::SteppedInputClock;
using Zelt::C::takeAll;

constexpr int iterations = 20000;

TEST(InputLock, KeyboardTakesWhileTheWorkerAddsTime) {
    auto clock = std::make_shared<SteppedInputClock>(1'000'000);
    Zelt::C::Keyboard keyboard(Brisk::Node{}, true, clock);
    clock->RunFreely(1000);
    std::uint64_t idleTaken = 0;
    std::uint64_t pressesTaken = 0;
    for (int i = 0; i < iterations; ++i) {
        keyboard.HandleMessage(nullptr, WM_KEYDOWN, 'A', 0);
        keyboard.TakeKeyHeldMs('A', 3);
        keyboard.HandleMessage(nullptr, WM_KEYUP, 'A', 0);
        pressesTaken += keyboard.TakeKeyPresses('A', takeAll);
        idleTaken += keyboard.TakeKeyIdleMs('B', i % 2 == 0 ? 1 : takeAll);
    }
    clock->Hold();
    idleTaken += keyboard.TakeKeyIdleMs('B', takeAll);
    // Every round of the worker was one millisecond, all of it idle for a key nobody pressed.
    EXPECT_EQ(idleTaken, clock->Rounds());
    EXPECT_EQ(pressesTaken, static_cast<std::uint64_t>(iterations));
}

TEST(InputLock, MouseTakesWhileTheWorkerAddsTime) {
    auto clock = std::make_shared<SteppedInputClock>(1'000'000);
    Zelt::C::Mouse mouse(true, clock);
    clock->RunFreely(1000);
    std::uint64_t idleTaken = 0;
    std::uint64_t clicksTaken = 0;
    for (int i = 0; i < iterations; ++i) {
        mouse.HandleMessage(nullptr, WM_LBUTTONDOWN, 0, 0);
        clicksTaken += mouse.TakeClicks(0, takeAll);
        mouse.TakeHeldMs(0, takeAll);
        mouse.HandleMessage(nullptr, WM_LBUTTONUP, 0, 0);
        clicksTaken += mouse.TakeClicks(0, takeAll);
        idleTaken += mouse.TakeIdleMs(4, 2);
    }
    clock->Hold();
    idleTaken += mouse.TakeIdleMs(4, takeAll);
    EXPECT_EQ(idleTaken, clock->Rounds());
    EXPECT_EQ(clicksTaken, static_cast<std::uint64_t>(iterations));
}

} // namespace
