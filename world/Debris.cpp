// A piece of a wreck.
#include "world/Debris.h"

#include <GL/gl.h>

namespace Vorn {

void Debris::Draw() {
    glPushMatrix();
    glScalef(size * 0.1f, size * 0.1f, 1);
    SetSideColour(side);
    DrawRotated(drawing, direction);
    glPopMatrix();
}

} // namespace Vorn
