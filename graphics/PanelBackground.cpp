// The main panel's background: a four-colour gradient under three grids of additive lines and a frame.
#include "graphics/PanelBackground.h"

#include "datafiles/ColourTable.h"
#include "platform/GlContext.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

// Vertical lines every `step` pixels from `first` below the width, then horizontal ones below the height.
void AddGrid(std::vector<PanelLine>& lines, int width, int height, int first, int step) {
    for (int x = first; x < width; x += step) {
        lines.push_back({x, 0, x, height - 1});
    }
    for (int y = first; y < height; y += step) {
        lines.push_back({0, y, width - 1, y});
    }
}

void SetColour(const std::string& name) {
    const std::uint8_t* colour = colourTable.ColourOf(name);
    glColor3ub(colour[0], colour[1], colour[2]);
}

void DrawGradient(int width, int height) {
    glBegin(GL_QUADS);
    SetColour("background_bg1");
    glVertex2i(0, height);
    SetColour("background_bg2");
    glVertex2i(0, 0);
    SetColour("background_bg3");
    glVertex2i(width, 0);
    SetColour("background_bg4");
    glVertex2i(width, height);
    glEnd();
}

void DrawLines(const PanelLineGroup& group) {
    SetColour(group.colour);
    glBegin(GL_LINES);
    for (const PanelLine& line : group.lines) {
        glVertex2i(line.x0, line.y0);
        glVertex2i(line.x1, line.y1);
    }
    glEnd();
}

} // namespace

std::vector<PanelLineGroup> PanelBackgroundLines(int width, int height) {
    std::vector<PanelLineGroup> groups = {{"background_grid", {}},
                                          {"background_grid1", {}},
                                          {"background_grid2", {}},
                                          {"background_frame", {}}};
    AddGrid(groups[0].lines, width, height, 0, 4);
    AddGrid(groups[0].lines, width, height, 0, 16);
    AddGrid(groups[1].lines, width, height, 8, 64);
    AddGrid(groups[2].lines, width, height, 40, 128);
    const int right = width - 1;
    const int top = height - 1;
    groups[3].lines = {{0, 0, 0, top}, {0, top, right, top}, {right, top, right, 0}, {right, 0, 0, 0}};
    return groups;
}

unsigned int BuildPanelBackground(int width, int height) {
    if (!platform::GlContext::IsAnyCurrent()) {
        return 0;
    }
    const unsigned int list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    // Texturing is switched off too: a texture left bound by earlier drawing would otherwise tint the band.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    DrawGradient(width, height);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    for (const PanelLineGroup& group : PanelBackgroundLines(width, height)) {
        DrawLines(group);
    }
    glPopAttrib();
    glEndList();
    return list;
}

} // namespace Vorn
