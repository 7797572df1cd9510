#include "game/BriefingScreen.h"

#include "datafiles/TextTable.h"
#include "graphics/FontStore.h"
#include "interface/TextWrap.h"

#include <GL/gl.h>

#include <algorithm>

namespace Vorn {

namespace {

constexpr double textWidth = 640;
constexpr double lineHeight = 20;

} // namespace

void DrawBriefing(const LevelInfo& info, const std::string& levelFile, int screenWidth, int screenHeight) {
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    glDisable(GL_TEXTURE_2D);
    glColor4ub(8, 12, 20, 255);
    glBegin(GL_QUADS);
    glVertex2i(0, 0);
    glVertex2i(screenWidth, 0);
    glVertex2i(screenWidth, screenHeight);
    glVertex2i(0, screenHeight);
    glEnd();
    const double width = std::min(textWidth, screenWidth - 40.0);
    const double left = (screenWidth - width) / 2;
    double y = screenHeight * 0.72;
    glColor4ub(255, 255, 255, 255);
    const std::string title = textTable.TextOf(LevelTitleOrFileName(info, levelFile));
    fontStore.FindFont("info_title").DrawText(left, y, title.c_str());
    const TextFont& font = fontStore.FindFont("info_text");
    const auto measure = [&font](const std::string& text) { return font.Advance(text.c_str()); };
    y -= 2 * lineHeight;
    glColor4ub(220, 225, 235, 255);
    for (const std::string& line : WrapText(textTable.TextOf(info.briefing), width, measure)) {
        font.DrawText(left, y, line.c_str());
        y -= lineHeight;
    }
    glColor4ub(255, 220, 120, 255);
    font.DrawText(left, y - lineHeight, textTable.TextOf("briefing_continue").c_str());
    glColor4ub(255, 255, 255, 255);
}

} // namespace Vorn
