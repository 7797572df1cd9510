// The keyboard device: presses, repeats and toggles, the clocks, the bindings from "keydef.xml" and
// the actions the game asks for.
#include "shell/Keyboard.h"

#include "datafiles/Node.h"
#include "platform/VirtualKeyCodes.h"
#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using Zelt::C::Keyboard;
using Zelt::C::takeAll;
namespace vk = platform::vk;

Brisk::Node Document(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    return document;
}

class KeyboardTest : public ::testing::Test {
protected:
    std::shared_ptr<testing_support::SteppedInputClock> clock =
        std::make_shared<testing_support::SteppedInputClock>();
    // The system's key state as the test sets it.
    std::array<std::uint16_t, 256> system{};
    Keyboard keyboard{Document("<?xml version=\"1.0\"?>"
                               "<pause key=\"P\"/>"
                               "<up key=\"VK_UP\"/><up key=\"W\"/>"
                               "<gather key=\"VK_LSHIFT\"/><gather key=\"VK_RSHIFT\"/>"
                               "<caps key=\"VK_CAPITAL\"/>"
                               "<lower key=\"p\"/>"
                               "<keyless name=\"P\"/>"),
                      true, clock, [this](std::uint8_t code) { return system[code]; }};

    void Press(int code) {
        keyboard.HandleMessage(nullptr, WM_KEYDOWN, static_cast<platform::WParam>(code), 0);
    }
    void Release(int code) {
        keyboard.HandleMessage(nullptr, WM_KEYUP, static_cast<platform::WParam>(code), 0);
    }
    void Tap(int code) {
        Press(code);
        Release(code);
    }
};

TEST_F(KeyboardTest, BindingsFollowTheFileInOrder) {
    const auto& bindings = keyboard.Bindings();
    EXPECT_EQ(bindings.at("pause"), std::vector<std::uint8_t>{'P'});
    EXPECT_EQ(bindings.at("up"), (std::vector<std::uint8_t>{vk::Up, 'W'}));
    EXPECT_EQ(bindings.at("gather"), (std::vector<std::uint8_t>{vk::LeftShift, vk::RightShift}));
    // Key names are case-sensitive: "p" is no key and binds the code no key produces.
    EXPECT_EQ(bindings.at("lower"), std::vector<std::uint8_t>{0});
    EXPECT_EQ(bindings.count("keyless"), 0u);
    EXPECT_EQ(bindings.count("xml"), 0u);
}

TEST_F(KeyboardTest, RepeatedDownMessagesCountOnce) {
    Press('P');
    Press('P');
    Press('P');
    EXPECT_EQ(keyboard.TakeKeyPresses('P', 0), 1u);
    EXPECT_TRUE(keyboard.ActionToggled("pause"));
    Release('P');
    EXPECT_FALSE(keyboard.IsKeyDown('P'));
    EXPECT_TRUE(keyboard.ActionToggled("pause"));
}

TEST_F(KeyboardTest, ASecondPressTogglesBack) {
    Tap('P');
    Tap('P');
    EXPECT_FALSE(keyboard.ActionToggled("pause"));
    EXPECT_EQ(keyboard.ActionPresses("pause", takeAll), 2u);
    EXPECT_EQ(keyboard.ActionPresses("pause", takeAll), 0u);
}

TEST_F(KeyboardTest, SystemKeyMessagesCountLikeOthers) {
    keyboard.HandleMessage(nullptr, WM_SYSKEYDOWN, 'P', 0);
    EXPECT_TRUE(keyboard.IsKeyDown('P'));
    keyboard.HandleMessage(nullptr, WM_SYSKEYUP, 'P', 0);
    EXPECT_FALSE(keyboard.IsKeyDown('P'));
    EXPECT_EQ(keyboard.TakeKeyPresses('P', takeAll), 1u);
}

TEST_F(KeyboardTest, CodesAbove254AreNotHandled) {
    EXPECT_FALSE(keyboard.HandleMessage(nullptr, WM_KEYDOWN, 255, 0));
    EXPECT_FALSE(keyboard.HandleMessage(nullptr, WM_KEYDOWN, 0x1000 + 'P', 0));
    EXPECT_FALSE(keyboard.IsKeyDown('P'));
    EXPECT_FALSE(keyboard.IsKeyDown(255));
    EXPECT_EQ(keyboard.TakeKeyPresses(-1, takeAll), 0u);
    EXPECT_FALSE(keyboard.HandleMessage(nullptr, WM_LBUTTONDOWN, 0, 0));
}

TEST_F(KeyboardTest, ActionOfTwoKeysIsDownForEitherButTimesTheFirstOnly) {
    Press('W');
    EXPECT_TRUE(keyboard.ActionDown("up"));
    clock->StepMs(10);
    EXPECT_EQ(keyboard.ActionHeldMs("up", takeAll), 0u);
    EXPECT_EQ(keyboard.ActionPresses("up", takeAll), 0u);
    Release('W');
    EXPECT_FALSE(keyboard.ActionDown("up"));

    Press(vk::Up);
    EXPECT_TRUE(keyboard.ActionDown("up"));
    clock->StepMs(10);
    clock->StepMs(10);
    EXPECT_EQ(keyboard.ActionHeldMs("up", 15), 15u);
    EXPECT_EQ(keyboard.ActionHeldMs("up", takeAll), 5u);
}

TEST_F(KeyboardTest, UnboundActionsAnswerNothing) {
    Tap('P');
    EXPECT_FALSE(keyboard.ActionToggled("switch_fps"));
    EXPECT_FALSE(keyboard.ActionDown("switch_fps"));
    EXPECT_EQ(keyboard.ActionPresses("switch_fps", takeAll), 0u);
    EXPECT_EQ(keyboard.ActionHeldMs("switch_fps", takeAll), 0u);
    EXPECT_EQ(keyboard.ActionIdleMs("switch_fps", takeAll), 0u);
    // An unknown key name binds a code no key message carries.
    Tap('p');
    EXPECT_FALSE(keyboard.ActionToggled("lower"));
}

TEST_F(KeyboardTest, ClearedBindingsAnswerNothing) {
    Tap('P');
    keyboard.ClearBindings();
    EXPECT_FALSE(keyboard.ActionToggled("pause"));
    EXPECT_TRUE(keyboard.IsKeyToggled('P'));
}

TEST_F(KeyboardTest, SideModifiersAnswerTheSystemsState) {
    // The window sees the generic shift code; the game asks for the left and right keys.
    Press(vk::Shift);
    EXPECT_FALSE(keyboard.ActionDown("gather"));
    system[vk::RightShift] = 0x8000;
    EXPECT_TRUE(keyboard.ActionDown("gather"));
    EXPECT_TRUE(keyboard.IsKeyDown(vk::RightShift));
    EXPECT_TRUE(keyboard.IsKeyDown(vk::Shift));
    // Even a message naming a side-specific code does not make it down.
    Press(vk::LeftControl);
    EXPECT_FALSE(keyboard.IsKeyDown(vk::LeftControl));
}

TEST_F(KeyboardTest, LockTogglesFollowTheSystemNotThePressesSeen) {
    system[vk::Capital] = 0x0001;
    EXPECT_TRUE(keyboard.ActionToggled("caps"));
    Tap(vk::Capital);
    EXPECT_TRUE(keyboard.ActionToggled("caps"));
    system[vk::Capital] = 0;
    EXPECT_FALSE(keyboard.ActionToggled("caps"));
    system[vk::Scroll] = 0x0001;
    EXPECT_TRUE(keyboard.IsKeyToggled(vk::Scroll));
    system[vk::LeftMenu] = 0x0001;
    EXPECT_TRUE(keyboard.IsKeyToggled(vk::LeftMenu));
}

TEST_F(KeyboardTest, ClocksRunForHeldOrIdleKeysOnly) {
    clock->StepMs(10);
    Press('P');
    EXPECT_EQ(keyboard.TakeKeyIdleMs('P', 0), 0u);
    clock->StepMs(10);
    clock->StepMs(10);
    Release('P');
    clock->StepMs(10);
    EXPECT_EQ(keyboard.TakeKeyHeldMs('P', takeAll), 20u);
    EXPECT_EQ(keyboard.TakeKeyIdleMs('P', takeAll), 10u);
    EXPECT_EQ(keyboard.TakeKeyHeldMs('Q', takeAll), 0u);
    EXPECT_EQ(keyboard.TakeKeyIdleMs('Q', takeAll), 40u);
    EXPECT_EQ(keyboard.ActionIdleMs("up", 0), 40u);
}

TEST(KeyboardBindings, AMissingFileBindsNothing) {
    Keyboard keyboard(Brisk::Node{}, true, std::make_shared<testing_support::SteppedInputClock>());
    keyboard.HandleMessage(nullptr, WM_KEYDOWN, 'P', 0);
    EXPECT_TRUE(keyboard.Bindings().empty());
    EXPECT_FALSE(keyboard.ActionToggled("pause"));
}

// A hook may take from the device while it counts a press: the lock is re-entrant.
class GreedyKeyboard : public Keyboard {
public:
    using Keyboard::Keyboard;
    std::uint32_t takenInHook = 0;
    void OnKey(int code, bool isDown) override {
        if (isDown) {
            takenInHook += TakeKeyPresses(code, takeAll);
        }
    }
};

TEST(KeyboardHooks, HooksSeeThePressAndMayTakeIt) {
    GreedyKeyboard keyboard(Brisk::Node{}, true, std::make_shared<testing_support::SteppedInputClock>());
    keyboard.HandleMessage(nullptr, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(keyboard.takenInHook, 1u);
    EXPECT_EQ(keyboard.TakeKeyPresses('A', takeAll), 0u);
}

} // namespace
