// The set of modes, the current one, and the switches between them.
#include "shell/ModeManager.h"

namespace Zelt {

ModeManager modeManager;
int loadingModeIndex = -1;
int gameModeIndex = -1;
int startModeIndex = -1;

ModeManager::~ModeManager() {
    Deactivate();
}

int ModeManager::AddMode(X::Mode* mode) {
    modes.push_back(mode);
    return static_cast<int>(modes.size()) - 1;
}

bool ModeManager::SwitchTo(std::uint32_t index, bool remember) {
    if (index >= modes.size() || !modes[index]->Enter()) {
        return false;
    }
    if (current >= 0) {
        if (remember) {
            history.push_back(static_cast<std::uint32_t>(current));
        }
        modes[current]->Leave();
    }
    current = static_cast<int>(index);
    return true;
}

void ModeManager::Activate(std::uint32_t index) {
    SwitchTo(index, false);
}

bool ModeManager::PushActivate(std::uint32_t index) {
    return SwitchTo(index, true);
}

void ModeManager::ReturnToPrevious() {
    if (history.empty()) {
        return;
    }
    std::uint32_t index = history.back();
    if (index >= modes.size() || !modes[index]->Enter()) {
        return;
    }
    if (current >= 0) {
        modes[current]->Leave();
    }
    history.pop_back();
    current = static_cast<int>(index);
}

void ModeManager::Deactivate() {
    if (current >= 0) {
        modes[current]->Leave();
    }
    current = -1;
}

int ModeManager::RunFrame(std::uint32_t elapsedMs) {
    if (current < 0) {
        return -1;
    }
    return modes[current]->Frame(elapsedMs);
}

} // namespace Zelt
