// The level preview.
#include "menu/LevelPreview.h"

#include "datafiles/ColourTable.h"
#include "world/Object.h"

#include <GL/gl.h>

#include <algorithm>

namespace Vorn {

namespace {

constexpr float squareSize = 4.0f;

void Rectangle(float left, float bottom, float width, float height, GLenum mode) {
    glBegin(mode);
    glVertex2f(left, bottom);
    glVertex2f(left + width, bottom);
    glVertex2f(left + width, bottom + height);
    glVertex2f(left, bottom + height);
    glEnd();
}

} // namespace

void DrawLevelPreview(const LevelEntry& level, const MenuBox& box) {
    if (level.width <= 0 || level.height <= 0)
        return;
    const float scale = std::min(static_cast<float>(box.width) / static_cast<float>(level.width),
                                 static_cast<float>(box.height) / static_cast<float>(level.height));
    const float width = static_cast<float>(level.width) * scale;
    const float height = static_cast<float>(level.height) * scale;
    const float left = static_cast<float>(box.left) + (static_cast<float>(box.width) - width) / 2;
    const float bottom = static_cast<float>(box.bottom) + (static_cast<float>(box.height) - height) / 2;
    glDisable(GL_TEXTURE_2D);
    glColor4ubv(colourTable.ColourOf("minimap_view"));
    Rectangle(left, bottom, width, height, GL_QUADS);
    // The map is centred on the origin, y up, as the screen is.
    const float centreX = left + width / 2;
    const float centreY = bottom + height / 2;
    for (const LevelEntry::PlacedObject& object : level.startObjects) {
        const SideColour colour = SideColourOf(object.side);
        glColor4f(colour.red, colour.green, colour.blue, 1.0f);
        Rectangle(centreX + object.x * scale - squareSize / 2, centreY + object.y * scale - squareSize / 2,
                  squareSize, squareSize, GL_QUADS);
    }
    glColor4ubv(colourTable.ColourOf("minimap_frame"));
    Rectangle(left, bottom, width, height, GL_LINE_LOOP);
}

} // namespace Vorn
