#include "interface/MessageLog.h"

#include "datafiles/TextTable.h"
#include "graphics/FontStore.h"

#include <GL/gl.h>

#include <algorithm>

namespace Vorn {

namespace {
constexpr double boxWidth = 640;
constexpr double lineHeight = 16;
constexpr double logMargin = 10;
} // namespace

void MessageLog::Add(std::string line) {
    if (lines.size() >= capacity)
        lines.pop_front();
    lines.push_back(std::move(line));
}

void MessageLog::Draw(int screenWidth, int screenHeight) const {
    const std::size_t shown = std::min(lines.size(), shownLines);
    const double height = 2 * logMargin + lineHeight * static_cast<double>(std::max<std::size_t>(shown, 1) + 1);
    const double left = std::max(0.0, (screenWidth - boxWidth) / 2);
    const double top = screenHeight - 60.0;
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 190);
    glBegin(GL_QUADS);
    glVertex2d(left, top - height);
    glVertex2d(left + boxWidth, top - height);
    glVertex2d(left + boxWidth, top);
    glVertex2d(left, top);
    glEnd();
    glColor4ub(255, 255, 255, 255);
    double y = top - logMargin - lineHeight + 3;
    fontStore.FindFont("info_title").DrawText(left + logMargin, y, textTable.TextOf("message_log").c_str());
    const TextFont& font = fontStore.FindFont("info_text");
    if (lines.empty())
        font.DrawText(left + logMargin, y - lineHeight, textTable.TextOf("message_log_empty").c_str());
    for (std::size_t i = lines.size() - shown; i < lines.size(); ++i) {
        y -= lineHeight;
        font.DrawText(left + logMargin, y, lines[i].c_str());
    }
}

} // namespace Vorn
