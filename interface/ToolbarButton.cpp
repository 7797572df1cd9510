// One square button of a toolbar or of the status strip.
#include "interface/ToolbarButton.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

void Outline(float inset, float width, float height) {
    glBegin(GL_LINE_LOOP);
    glVertex2f(inset, inset);
    glVertex2f(width - inset, inset);
    glVertex2f(width - inset, height - inset);
    glVertex2f(inset, height - inset);
    glEnd();
}

} // namespace

void ToolbarButton::Point(bool over, bool leftDown) {
    if (Disabled())
        return;
    if (!over)
        state = ButtonState::Normal;
    else
        state = leftDown ? ButtonState::Pressed : ButtonState::Hover;
}

void ToolbarButton::Draw() const {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 128);
    glRectf(0, 0, w, h);

    const float iconW = static_cast<float>(iconWidth < 0 ? width : iconWidth);
    const float iconH = static_cast<float>(iconHeight < 0 ? height : iconHeight);
    const float left = static_cast<float>(iconX);
    const float bottom = static_cast<float>(iconY);
    if (state == ButtonState::Disabled)
        glColor4ub(255, 255, 255, 128);
    else if (state == ButtonState::Pressed)
        glColor4ub(128, 128, 128, 255);
    else
        glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(left, bottom);
    glTexCoord2f(1, 1);
    glVertex2f(left + iconW, bottom);
    glTexCoord2f(1, 0);
    glVertex2f(left + iconW, bottom + iconH);
    glTexCoord2f(0, 0);
    glVertex2f(left, bottom + iconH);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    glColor4ub(64, 128, 255, state == ButtonState::Disabled ? 128 : 255);
    Outline(0, w, h);
    glColor4ub(64, 128, 255, 255);
    if (state == ButtonState::Hover)
        Outline(2, w, h);
    else if (state == ButtonState::Pressed)
        Outline(3, w, h);
}

} // namespace Vorn
