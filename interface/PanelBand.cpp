// The main panel's band, drawn from a copy of its background.
#include "interface/PanelBand.h"

#include "graphics/PanelBackground.h"
#include "platform/DrawingDiscard.h"
#include "platform/GlContext.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

int PowerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size && power < (1 << 14)) {
        power *= 2;
    }
    return power;
}

} // namespace

PanelBand::PanelBand(int width, int height) : width(width), height(height) {
    list = BuildPanelBackground(width, height);
}

PanelBand::~PanelBand() {
    if (!platform::GlContext::IsAnyCurrent()) {
        return;
    }
    if (texture != 0) {
        glDeleteTextures(1, &texture);
    }
    if (list != 0) {
        glDeleteLists(list, 1);
    }
}

void PanelBand::Draw(float drop) {
    if (list == 0) {
        return;
    }
    if (!captureTried) {
        Capture();
    }
    if (texture != 0) {
        DrawCopy(drop);
        return;
    }
    glPushMatrix();
    glTranslatef(0.0f, -drop, 0.0f);
    glCallList(list);
    glPopMatrix();
}

// Draws the lines once at the screen's bottom and copies those pixels. A window smaller than the band, or
// a texture the driver refuses, keeps the lines.
void PanelBand::Capture() {
    captureTried = true;
    const platform::PixelsNeeded copied;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    textureWidth = PowerOfTwoAtLeast(width);
    textureHeight = PowerOfTwoAtLeast(height);
    if (width <= 0 || height <= 0 || viewport[0] != 0 || viewport[1] != 0 || viewport[2] < width ||
        viewport[3] < height || textureWidth > largest || textureHeight > largest) {
        return;
    }
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    glCallList(list);
    glPopMatrix();
    while (glGetError() != GL_NO_ERROR) {
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, textureWidth, textureHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 nullptr);
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &texture);
        texture = 0;
    }
}

// Texel i covers pixel i exactly: the quad is drawn from the identity, without the half-pixel nudge.
void PanelBand::DrawCopy(float drop) const {
    const float right = static_cast<float>(width) / static_cast<float>(textureWidth);
    const float top = static_cast<float>(height) / static_cast<float>(textureHeight);
    const float bottom = -drop;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4ub(255, 255, 255, 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, bottom);
    glTexCoord2f(right, 0);
    glVertex2f(static_cast<float>(width), bottom);
    glTexCoord2f(right, top);
    glVertex2f(static_cast<float>(width), bottom + static_cast<float>(height));
    glTexCoord2f(0, top);
    glVertex2f(0, bottom + static_cast<float>(height));
    glEnd();
    glPopMatrix();
    glPopAttrib();
}

} // namespace Vorn
