// One effect showing the bursts of many emitters.
#include "world/SharedBurst.h"

#include "world/AttachedEffect.h"
#include "world/Effect.h"
#include "world/PlaceEffect.h"
#include "world/World.h"

namespace Vorn {

Effect* SharedBurst::Prepare(World& world) {
    if (effect)
        return effect;
    effect = PlaceEffect(world, world.LowerEffects(), systemName, 0, true, 0, 0);
    if (effect) {
        effect->alwaysDrawn = true;
        effect->held = true;
        effect->Pause();
    }
    return effect;
}

void SharedBurst::Burst(World& world, float x, float y) {
    Emit(world, x, y, nullptr);
}

void SharedBurst::Burst(World& world, float x, float y, float direction) {
    Emit(world, x, y, &direction);
}

void SharedBurst::Emit(World& world, float x, float y, const float* direction) {
    Effect* burst = Prepare(world);
    if (!burst)
        return;
    burst->MoveParticles(burst->x - x, burst->y - y);
    world.RefileEffect(world.LowerEffects(), burst, x, y);
    burst->SetPaused(false);
    if (!burst->IsEmitting()) {
        // Emitted for its whole life: the old one fades where it is and a fresh one bursts here.
        Release();
        burst = Prepare(world);
        if (!burst)
            return;
        world.RefileEffect(world.LowerEffects(), burst, x, y);
        burst->SetPaused(false);
    }
    if (direction)
        burst->SetDirection(*direction);
    burst->Update(1);
    burst->Pause();
}

void SharedBurst::Release() {
    if (effect)
        ReleaseEffect(effect);
    effect = nullptr;
}

} // namespace Vorn
