// The set of modes, the current one, and the switches between them.
#pragma once

#include "shell/Mode.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace Zelt {

// Holds the modes without owning them. In every switch the new mode's Enter runs before the old mode's
// Leave, so a refused Enter leaves the old mode untouched.
class ModeManager {
public:
    ModeManager() = default;
    ~ModeManager();
    ModeManager(const ModeManager&) = delete;
    ModeManager& operator=(const ModeManager&) = delete;

    int AddMode(X::Mode* mode);
    void Activate(std::uint32_t index);
    bool PushActivate(std::uint32_t index);
    // Returns to the mode below the top of the history; does nothing on an empty history.
    void ReturnToPrevious();
    void Deactivate();
    // The current mode's frame, or -1 when no mode is current.
    int RunFrame(std::uint32_t elapsedMs);

    // Forgets every registered mode (whoever registered them has deleted them) and the history.
    void ForgetModes() {
        modes.clear();
        history.clear();
    }

    int Current() const { return current; }
    const std::deque<std::uint32_t>& History() const { return history; }
    std::size_t ModeCount() const { return modes.size(); }
    X::Mode* ModeAt(std::size_t index) const { return modes[index]; }

private:
    // Enters the mode at index and leaves the current one; false (nothing changed) if refused.
    bool SwitchTo(std::uint32_t index, bool remember);

    int current = -1;
    std::vector<X::Mode*> modes;
    std::deque<std::uint32_t> history;
};

extern ModeManager modeManager;
extern int loadingModeIndex;
extern int gameModeIndex;
// The start screen; -1 when the program has none (the modes of a test).
extern int startModeIndex;

} // namespace Zelt
