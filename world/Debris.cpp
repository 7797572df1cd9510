// A piece of a wreck.
#include "world/Debris.h"

#include "world/Corpse.h"

namespace Vorn {

Debris::~Debris() {
    if (corpse)
        corpse->Forget(this);
}

} // namespace Vorn
