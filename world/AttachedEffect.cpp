// Effects an object drags along.
#include "world/AttachedEffect.h"

#include "world/Effect.h"

namespace Vorn {

void ReleaseEffect(Effect* effect) {
    effect->End();
    effect->Pause();
    effect->frozen = false;
    effect->held = false;
}

} // namespace Vorn
