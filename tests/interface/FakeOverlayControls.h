// Devices for the map overlay tests: the cursor, the held actions and the counted presses are the test's.
#pragma once

#include "interface/OverlayControls.h"

#include <map>
#include <set>
#include <string>

namespace GameTest {

class FakeOverlayControls : public Vorn::OverlayControls {
public:
    Vorn::PointerState Pointer() override { return pointer; }
    bool Held(std::string_view action) override { return held.contains(std::string(action)); }
    std::uint32_t TakePresses(std::string_view action) override {
        const std::uint32_t count = presses[std::string(action)];
        presses[std::string(action)] = 0;
        return count;
    }

    Vorn::PointerState pointer;
    std::set<std::string> held;
    std::map<std::string, std::uint32_t> presses;
};

} // namespace GameTest
