// A piece of a wreck.
#include "world/Debris.h"

#include "world/Corpse.h"

#include <GL/gl.h>

namespace Vorn {

Debris::~Debris() {
    if (corpse)
        corpse->Forget(this);
}

void Debris::Draw() {
    glPushMatrix();
    glScalef(size * 0.1f, size * 0.1f, 1);
    SetSideColour(side);
    DrawRotated(drawing, direction);
    glPopMatrix();
}

} // namespace Vorn
