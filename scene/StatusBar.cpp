// The armour bar over a selected unit.
#include "scene/StatusBar.h"

#include "world/IInfo.h"
#include "world/Object.h"

#include <GL/gl.h>

namespace Vorn {

StatusBarColour StatusBarColourOf(float fraction) {
    StatusBarColour colour{1, 1, 0, 0.8f};
    if (fraction >= 0.6f)
        colour.red = (1 - fraction) * 2.5f;
    else if (fraction >= 0.2f)
        colour.green = (fraction - 0.2f) * 2.5f;
    else
        colour.green = 0;
    return colour;
}

namespace {
// Keeps the translation and drops rotation and zoom, so the bar stands upright at its true size.
void StandUpright() {
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            matrix[column * 4 + row] = column == row ? 1.0f : 0.0f;
    glLoadMatrixf(matrix);
}

void FillQuad(float left, float right, float bottom, float top) {
    glBegin(GL_QUADS);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(right, top);
    glVertex2f(left, top);
    glEnd();
}
} // namespace

void DrawStatusBar(const Object& object, const IInfo& info) {
    StandUpright();
    const float size = object.size;
    const float fraction = info.ArmorFraction();
    const StatusBarColour colour = StatusBarColourOf(fraction);
    const float left = 2 - size;
    const float right = size - 2;
    const float split = left + fraction * (2 * size - 4);
    glColor4f(colour.red, colour.green, colour.blue, colour.alpha);
    FillQuad(left, split, size - 5, size - 2);
    glColor4f(colour.red, colour.green, colour.blue, 0.2f);
    FillQuad(split, right, size - 5, size - 2);
    glColor4f(colour.red, colour.green, colour.blue, 0.6f);
}

} // namespace Vorn
