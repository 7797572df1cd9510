// Drawing collected particle quads through vertex arrays.
#include "graphics/ParticleBatch.h"

#include <GL/gl.h>

namespace Vorn {

namespace {
constexpr float quadTextureCoordinates[8] = {0, 1, 1, 1, 1, 0, 0, 0};
}

void ParticleBatch::AddQuad(unsigned int quadTexture, const Corner (&corners)[4],
                            const std::uint8_t (&rgba)[4]) {
    if (quadTexture != texture) {
        Flush();
        texture = quadTexture;
    }
    for (int corner = 0; corner < 4; ++corner) {
        positions.push_back(corners[corner].x);
        positions.push_back(corners[corner].y);
        textureCoordinates.push_back(quadTextureCoordinates[corner * 2]);
        textureCoordinates.push_back(quadTextureCoordinates[corner * 2 + 1]);
        colours.insert(colours.end(), rgba, rgba + 4);
    }
}

void ParticleBatch::Flush() {
    if (positions.empty()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, positions.data());
    glTexCoordPointer(2, GL_FLOAT, 0, textureCoordinates.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, colours.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(positions.size() / 2));
    glPopClientAttrib();
    // The last colour stays current, as it would after drawing the quads one by one.
    const std::size_t last = colours.size() - 4;
    glColor4ub(colours[last], colours[last + 1], colours[last + 2], colours[last + 3]);
    positions.clear();
    textureCoordinates.clear();
    colours.clear();
}

} // namespace Vorn
