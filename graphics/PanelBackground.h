// The main panel's background: a four-colour gradient under three grids of additive lines and a frame.
#pragma once

#include <string>
#include <vector>

namespace Vorn {

struct PanelLine {
    int x0, y0, x1, y1;
};

// Lines drawn in one named colour of the ColourTable.
struct PanelLineGroup {
    std::string colour;
    std::vector<PanelLine> lines;
};

// The background's lines for a band of the given size, in drawing order: the fine grid every 4 pixels
// and again every 16 (so those come out brighter), the middle grid every 64 pixels from 8, the coarse
// grid every 128 from 40, then the outline.
std::vector<PanelLineGroup> PanelBackgroundLines(int width, int height);

// Records the background into a new display list and answers its name (0 without a GL context); the
// caller owns the list and deletes it with glDeleteLists(list, 1). Blending state is saved and restored.
unsigned int BuildPanelBackground(int width, int height);

} // namespace Vorn
