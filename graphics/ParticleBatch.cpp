// Drawing collected particle quads through vertex arrays.
#include "graphics/ParticleBatch.h"

#include "graphics/PixelCentres.h"
#include "platform/GlContext.h"

#include <GL/gl.h>

#include <algorithm>

namespace Vorn {

namespace {
constexpr float quadTextureCoordinates[8] = {0, 1, 1, 1, 1, 0, 0, 0};
}

void ParticleBatch::LeaveOutWhatCoversNoPixel() {
    windowKnown = false;
    if (!leavingOut || !platform::GlContext::IsAnyCurrent())
        return;
    float modelview[16];
    float projection[16];
    GLint viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    // The quads lie at z = 0, so only the matrices' x, y and translation columns place them.
    float combined[16];
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + row] * modelview[column * 4 + k];
            combined[column * 4 + row] = sum;
        }
    if (combined[3] != 0 || combined[7] != 0 || combined[15] != 1 || viewport[2] <= 0 || viewport[3] <= 0)
        return;
    MapToWindow(combined, viewport[2], viewport[3], toWindow);
    windowKnown = true;
}

bool ParticleBatch::Covers(const Corner (&corners)[4]) const {
    if (!windowKnown)
        return true;
    float left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    for (const Corner& corner : corners) {
        const float x = toWindow[0] * corner.x + toWindow[1] * corner.y + toWindow[2];
        const float y = toWindow[3] * corner.x + toWindow[4] * corner.y + toWindow[5];
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    return BoxHoldsAPixelCentre(left, right, bottom, top);
}

void ParticleBatch::AddQuad(unsigned int quadTexture, const Corner (&corners)[4],
                            const std::uint8_t (&rgba)[4]) {
    if (quadTexture != texture) {
        Flush();
        texture = quadTexture;
    }
    pending = true;
    std::copy_n(rgba, 4, lastColour);
    if (!Covers(corners)) {
        ++quadsLeftOut;
        return;
    }
    for (int corner = 0; corner < 4; ++corner) {
        positions.push_back(corners[corner].x);
        positions.push_back(corners[corner].y);
        textureCoordinates.push_back(quadTextureCoordinates[corner * 2]);
        textureCoordinates.push_back(quadTextureCoordinates[corner * 2 + 1]);
        colours.insert(colours.end(), rgba, rgba + 4);
    }
}

// The texture stays bound and the last colour current, as after drawing the quads one by one, even when
// every quad was left out.
void ParticleBatch::Flush() {
    if (!pending)
        return;
    pending = false;
    glBindTexture(GL_TEXTURE_2D, texture);
    if (!positions.empty()) {
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, 0, positions.data());
        glTexCoordPointer(2, GL_FLOAT, 0, textureCoordinates.data());
        glColorPointer(4, GL_UNSIGNED_BYTE, 0, colours.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(positions.size() / 2));
        glPopClientAttrib();
        ++callsMade;
    }
    glColor4ub(lastColour[0], lastColour[1], lastColour[2], lastColour[3]);
    positions.clear();
    textureCoordinates.clear();
    colours.clear();
}

} // namespace Vorn
