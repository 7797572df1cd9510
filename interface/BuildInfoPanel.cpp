// The box that rises from the main panel while a placeable order is shown.
#include "interface/BuildInfoPanel.h"

#include "graphics/DrawingDisplay.h"
#include "graphics/FontStore.h"
#include "interface/Toolbar.h"
#include "visuals/DrawingStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace Vorn {

namespace {
// The box stands this far right of the screen's left edge.
constexpr float boxX = 400;
} // namespace

void BuildInfoPanel::Update(unsigned elapsedMs) {
    position += (raised ? -speed : speed) * static_cast<float>(elapsedMs);
    position = std::clamp(position, 0.0f, travel);
}

std::string BuildInfoPanel::Title() const {
    return order.shown ? order.name : std::string();
}

std::array<std::string, 3> BuildInfoPanel::Lines() const {
    if (!order.shown)
        return {};
    char price[96];
    std::snprintf(price, sizeof price, "%s: %d / %d", Text("buildinfo_price").c_str(), order.paid,
                  order.price);
    const double fraction = std::clamp(static_cast<double>(order.progress), 0.0, 1.0);
    char progress[96];
    std::snprintf(progress, sizeof progress, "%s: %.0f%%", Text("buildinfo_progress").c_str(),
                  fraction * 100);
    char left[96];
    if (order.complete)
        std::snprintf(left, sizeof left, "%s", Text("buildinfo_ready").c_str());
    else
        std::snprintf(left, sizeof left, "%s: %.1f s", Text("buildinfo_time_left").c_str(),
                      (1 - fraction) * order.buildTimeMs * 0.001);
    return {price, progress, left};
}

void BuildInfoPanel::Draw() const {
    if (position >= travel)
        return;
    // The box rises out of the main panel: whatever of it is still below the panel's top edge is hidden,
    // so the sunk box never covers the toolbars. The scissor box is in window pixels.
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const GLint panelTop = static_cast<GLint>(matrix[13] + travel);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, panelTop, viewport[2], std::max(0, viewport[3] - panelTop));
    glPushMatrix();
    glTranslatef(0, -position, 0);
    glPushMatrix();
    glTranslatef(boxX + 0.375f, 0.375f, 0);
    glColor4ub(255, 255, 255, 255);
    if (const auto& drawings = drawingStore.Drawings(); drawings.count("BuildInfo") != 0)
        DrawDrawing(*drawings.at("BuildInfo").front(), 0);
    glPopMatrix();
    // The text positions are the screen's, so the texts sink with the box rather than float above it.
    fontStore.FindFont("info_title").DrawText(positions.titleX, positions.titleY, Title().c_str());
    const auto lines = Lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        fontStore.FindFont("info_text").DrawText(positions.lineX[i], positions.lineY[i], lines[i].c_str());
    glPopMatrix();
    glDisable(GL_SCISSOR_TEST);
}

} // namespace Vorn
