#include "interface/ObjectivesPanel.h"

#include "datafiles/TextTable.h"
#include "graphics/FontStore.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

constexpr double objectivesMargin = 6;
constexpr double markSide = 8;

void DrawBackground(double height) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 150);
    glBegin(GL_QUADS);
    glVertex2d(-ObjectivesPanel::width, 0);
    glVertex2d(0, 0);
    glVertex2d(0, height);
    glVertex2d(-ObjectivesPanel::width, height);
    glEnd();
}

// The box before a line, with its tick or cross.
void DrawMark(double x, double y, ObjectiveLine::Mark mark) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(200, 200, 200, 255);
    glBegin(GL_LINE_LOOP);
    glVertex2d(x, y);
    glVertex2d(x + markSide, y);
    glVertex2d(x + markSide, y + markSide);
    glVertex2d(x, y + markSide);
    glEnd();
    if (mark == ObjectiveLine::Mark::Open)
        return;
    glBegin(GL_LINES);
    if (mark == ObjectiveLine::Mark::Ticked) {
        glColor4ub(80, 230, 80, 255);
        glVertex2d(x + 1, y + 4);
        glVertex2d(x + 3, y + 1);
        glVertex2d(x + 3, y + 1);
        glVertex2d(x + 9, y + 10);
    } else {
        glColor4ub(240, 70, 60, 255);
        glVertex2d(x, y);
        glVertex2d(x + markSide, y + markSide);
        glVertex2d(x, y + markSide);
        glVertex2d(x + markSide, y);
    }
    glEnd();
}

} // namespace

double ObjectivesPanel::Height() const {
    return lines.empty() ? 0 : 2 * objectivesMargin + lineHeight * static_cast<double>(lines.size() + 1);
}

void ObjectivesPanel::Draw() const {
    if (lines.empty())
        return;
    const double height = Height();
    DrawBackground(height);
    const TextFont& font = fontStore.FindFont("info_text");
    double y = height - objectivesMargin - lineHeight;
    glColor4ub(255, 255, 255, 255);
    fontStore.FindFont("info_title").DrawText(-width + objectivesMargin, y + 3, textTable.TextOf("objectives").c_str());
    for (const ObjectiveLine& line : lines) {
        y -= lineHeight;
        DrawMark(-width + objectivesMargin, y + 2, line.mark);
        const unsigned char shade = line.mark == ObjectiveLine::Mark::Open ? 255 : 170;
        glColor4ub(shade, shade, shade, 255);
        font.DrawText(-width + objectivesMargin + markSide + 6, y + 2, line.text.c_str());
    }
    glColor4ub(255, 255, 255, 255);
}

} // namespace Vorn
