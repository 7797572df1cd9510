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
    if (!InvertAffine(toWindow, fromWindow))
        return;
    GLint environment = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &environment);
    textured = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    modulated = environment == GL_MODULATE;
    reachToWindow[0] = std::hypot(toWindow[0], toWindow[1]);
    reachToWindow[1] = std::hypot(toWindow[3], toWindow[4]);
    windowKnown = true;
}

// A new texture draws what the old one collected first; the colour left current is the last quad's, drawn
// or not.
void ParticleBatch::Switch(unsigned int quadTexture, const std::uint8_t (&rgba)[4]) {
    if (quadTexture != texture) {
        Flush();
        texture = quadTexture;
        dotTextureKnown = false;
    }
    pending = true;
    std::copy_n(rgba, 4, lastColour);
}

bool ParticleBatch::LeftOutWithin(unsigned int quadTexture, float x, float y, float reach,
                                  const std::uint8_t (&rgba)[4]) {
    if (!windowKnown)
        return false;
    const float windowX = toWindow[0] * x + toWindow[1] * y + toWindow[2];
    const float windowY = toWindow[3] * x + toWindow[4] * y + toWindow[5];
    const float across = reach * reachToWindow[0];
    const float up = reach * reachToWindow[1];
    if (BoxHoldsAPixelCentre(windowX - across, windowX + across, windowY - up, windowY + up))
        return false;
    Switch(quadTexture, rgba);
    ++quadsLeftOut;
    return true;
}

// A point's colour is what the quad's one pixel would show: its colour times the sample it reads there.
// The texture is learned with the run's first dot: most runs far out are all dots, close up none is.
bool ParticleBatch::AddedAsDot(const DotCorner (&window)[4], const std::uint8_t (&rgba)[4]) {
    if (!dotsAsPoints || (textured && !modulated))
        return false;
    const DotCover cover = CoverOfDot(window);
    if (!cover.dot)
        return false;
    if (textured && !dotTextureKnown) {
        dotTexture = DotTextureOf(texture);
        dotTextureKnown = true;
    }
    if (textured && !dotTexture)
        return false;
    if (!cover.coversACentre) {
        ++quadsLeftOut;
        return true;
    }
    const DotColour tint{rgba[0], rgba[1], rgba[2], rgba[3]};
    const DotColour colour =
        textured ? DotColourAt(*dotTexture, tint, cover.along, cover.across) : tint;
    dotPositions.push_back(fromWindow[0] * cover.centreX + fromWindow[1] * cover.centreY + fromWindow[2]);
    dotPositions.push_back(fromWindow[3] * cover.centreX + fromWindow[4] * cover.centreY + fromWindow[5]);
    dotColours.insert(dotColours.end(), colour.begin(), colour.end());
    ++dotsDrawnAsPoints;
    return true;
}

void ParticleBatch::AddQuad(unsigned int quadTexture, const Corner (&corners)[4],
                            const std::uint8_t (&rgba)[4]) {
    Switch(quadTexture, rgba);
    if (windowKnown) {
        DotCorner window[4];
        float left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
        for (int i = 0; i < 4; ++i) {
            window[i] = {toWindow[0] * corners[i].x + toWindow[1] * corners[i].y + toWindow[2],
                         toWindow[3] * corners[i].x + toWindow[4] * corners[i].y + toWindow[5]};
            left = std::min(left, window[i].x);
            right = std::max(right, window[i].x);
            bottom = std::min(bottom, window[i].y);
            top = std::max(top, window[i].y);
        }
        if (!BoxHoldsAPixelCentre(left, right, bottom, top)) {
            ++quadsLeftOut;
            return;
        }
        if (AddedAsDot(window, rgba))
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
    DrawDots();
    glColor4ub(lastColour[0], lastColour[1], lastColour[2], lastColour[3]);
    positions.clear();
    textureCoordinates.clear();
    colours.clear();
}

// Untextured, one pixel each, unsmoothed: a point at a pixel's centre lights that pixel alone.
void ParticleBatch::DrawDots() {
    if (dotPositions.empty())
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_POINT_SMOOTH);
    glPointSize(1);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, dotPositions.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, dotColours.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(dotPositions.size() / 2));
    glPopClientAttrib();
    glPopAttrib();
    ++callsMade;
    dotPositions.clear();
    dotColours.clear();
}

} // namespace Vorn
