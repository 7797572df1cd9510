// A mode: one self-contained screen of the program with its own per-frame behaviour.
#pragma once

#include <cstdint>

namespace Zelt {

class ModeManager;

namespace X {

class Mode {
public:
    explicit Mode(ModeManager* manager) : manager(manager) {}
    virtual ~Mode() = default;

    // The mode is about to become current; answering false refuses the switch and nothing changes.
    virtual bool Enter() = 0;
    // One frame while the mode is current; elapsedMs is at most 100. A negative answer closes the window.
    virtual int Frame(std::uint32_t elapsedMs) = 0;
    // The mode stops being current.
    virtual void Leave() = 0;

protected:
    ModeManager* manager;
};

} // namespace X
} // namespace Zelt
