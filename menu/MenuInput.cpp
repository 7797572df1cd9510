// Reading the menus' keys and clicks from the devices.
#include "menu/MenuInput.h"

#include "platform/VirtualKeyCodes.h"
#include "shell/InputDeviceWorker.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

namespace Vorn {

namespace {

int Presses(std::uint8_t code) {
    return static_cast<int>(Zelt::keyboard->TakeKeyPresses(code, Zelt::C::takeAll));
}

// The keys a player may bind: everything but the menus' own and the mouse's codes (1 to 6).
std::uint8_t FirstOtherKey() {
    for (int code = 8; code < Zelt::C::Keyboard::keyCount; ++code) {
        const auto key = static_cast<std::uint8_t>(code);
        if (key == platform::vk::Return || key == platform::vk::Escape)
            continue;
        if (Zelt::keyboard->TakeKeyPresses(code, Zelt::C::takeAll) > 0)
            return key;
    }
    return 0;
}

} // namespace

MenuInput TakeMenuInput(int screenHeight, bool anyKey) {
    MenuInput input;
    if (Zelt::keyboard != nullptr) {
        input.enter = Presses(platform::vk::Return) > 0;
        input.escape = Presses(platform::vk::Escape) > 0;
        if (anyKey) {
            input.otherKey = FirstOtherKey();
        } else {
            input.up = Presses(platform::vk::Up);
            input.down = Presses(platform::vk::Down);
            input.left = Presses(platform::vk::Left);
            input.right = Presses(platform::vk::Right);
            input.backspace = Presses(platform::vk::Back) > 0;
        }
    }
    if (Zelt::mouse != nullptr) {
        input.cursorX = Zelt::mouse->ClientX(nullptr);
        const int y = Zelt::mouse->ClientY(nullptr);
        input.cursorY = y < 0 ? -1 : screenHeight - 1 - y;
        input.clicked = Zelt::mouse->TakeClicks(0, Zelt::C::takeAll) > 0;
        input.wheel = Zelt::mouse->TakeWheel();
        for (int button = 1; button < Zelt::C::Mouse::buttonCount; ++button)
            Zelt::mouse->TakeClicks(button, Zelt::C::takeAll);
    }
    return input;
}

} // namespace Vorn
