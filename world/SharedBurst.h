// One effect that shows the short bursts of many emitters: the spent shells of every turret of a type, or
// armour fragments flying off a hit. Each burst moves the effect to the emitter, lets it emit for 1 ms and
// pauses it again, so particles already out stay where they fell.
#pragma once

#include <string>

namespace Vorn {

class Effect;
class World;

class SharedBurst {
public:
    SharedBurst() = default;
    explicit SharedBurst(std::string systemName) : systemName(std::move(systemName)) {}
    SharedBurst(const SharedBurst&) = delete;
    SharedBurst& operator=(const SharedBurst&) = delete;

    void SetName(std::string name) { systemName = std::move(name); }
    // Emits one burst at (x, y); with a direction the burst is turned to it first. The effect is made on
    // first use (1 ms steps, lower effects, always drawn). Once it has emitted for its whole life it is let
    // go to fade and a fresh one takes over, so the bursts never stop. Nothing happens when the name is
    // unknown.
    void Burst(World& world, float x, float y);
    void Burst(World& world, float x, float y, float direction);
    // Ends the effect and lets the world collect it.
    void Release();
    Effect* Current() const { return effect; }
    // The effect a saved burst was showing, already filed in its layer.
    void RestoreCurrent(Effect* saved) { effect = saved; }

private:
    Effect* Prepare(World& world);
    void Emit(World& world, float x, float y, const float* direction);

    std::string systemName;
    Effect* effect = nullptr;
};

} // namespace Vorn
