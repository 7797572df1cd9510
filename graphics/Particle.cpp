// Drawing of the plain particle sprite.
#include "graphics/Particle.h"

#include <GL/gl.h>

namespace Vorn {

void Particle::Draw(float, float) {
    DrawQuad(size);
}

void Particle::DrawQuad(float halfSide) const {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-halfSide, -halfSide);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(halfSide, -halfSide);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(halfSide, halfSide);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-halfSide, halfSide);
    glEnd();
}

} // namespace Vorn
