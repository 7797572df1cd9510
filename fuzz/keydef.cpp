// Fuzzes keydef.xml: any file gives a keyboard whose every bound action answers, while keys go down and
// up, without reading outside its tables; and the start-up's report of bindings that bind nothing reads it.
#include "fuzz/loader_input.h"
#include "game/KeyDefinitionCheck.h"
#include "platform/WindowMessages.h"
#include "shell/Keyboard.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Brisk::Node document = loader_fuzz::Document(data, size);
    Zelt::C::Keyboard keyboard(document, false, {}, [](std::uint8_t) { return std::uint16_t{0}; });
    std::vector<std::string> actions;
    for (const auto& [action, keys] : keyboard.Bindings())
        actions.push_back(action);
    for (const auto& [action, keys] : keyboard.Bindings())
        for (std::uint8_t key : keys) {
            keyboard.HandleMessage(nullptr, WM_KEYDOWN, key, 0);
            keyboard.HandleMessage(nullptr, WM_KEYUP, key, 0);
        }
    for (const std::string& action : actions) {
        (void)keyboard.ActionToggled(action);
        (void)keyboard.ActionDown(action);
        (void)keyboard.ActionPresses(action, 1);
        (void)keyboard.ActionHeldMs(action, 0);
        (void)keyboard.ActionIdleMs(action, 0);
        (void)keyboard.ActionHeldMsOfEveryKey(action, 0);
    }
    (void)Vorn::KeyDefinitionProblems(document);
    keyboard.ClearBindings();
    return 0;
}
