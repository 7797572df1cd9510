// The info box: its panel drawing and its texts.
#include "interface/InfoBox.h"

#include "graphics/DrawingDisplay.h"
#include "graphics/FontStore.h"
#include "interface/Interface.h"
#include "interface/InterfaceNames.h"
#include "visuals/DrawingStore.h"

#include <GL/gl.h>

namespace Vorn {

namespace {
// The box is 96 pixels high; its lowest 10 rows are left to the panel below.
constexpr float clickTop = 96.0f;
constexpr float clickBottom = 10.0f;
} // namespace

InfoBox::InfoBox(Interface& owner, World& world)
    : owner(owner), world(world), drawing(drawingStore.FindFirstDrawing(InterfaceNames::infoBoxDrawing)) {}

bool InfoBox::Click(int x, int y, float lift) const {
    const double width = owner.Values().ValueOf(InterfaceNames::minimapSize);
    const float height = static_cast<float>(owner.ScreenHeight());
    const float fy = static_cast<float>(y);
    return x > owner.ScreenWidth() - 1 - width && fy > height - clickTop - lift &&
           fy < height - clickBottom - lift;
}

void InfoBox::Draw(const SideTable& sides, std::span<Object* const> selection) {
    glTranslatef(static_cast<float>(owner.ScreenWidth() - 1), 0.0f, 0.0f);
    glPushMatrix();
    glTranslatef(0.375f, 0.375f, 0.0f);
    if (drawing != nullptr) {
        DrawDrawing(*drawing, 0.0f);
    }
    glPopMatrix();
    lastTexts = content.Compose(world, sides, selection);
    const InterfaceValues& values = owner.Values();
    fontStore.FindFont("info_title")
        .DrawText(values.ValueOf(InterfaceNames::infoboxTitleX),
                  values.ValueOf(InterfaceNames::infoboxTitleY), lastTexts.title.c_str());
    TextFont& text = fontStore.FindFont("info_text");
    for (std::size_t line = 0; line < lastTexts.lines.size(); ++line) {
        text.DrawText(values.ValueOf(InterfaceNames::infoboxLineX[line]),
                      values.ValueOf(InterfaceNames::infoboxLineY[line]), lastTexts.lines[line].c_str());
    }
}

} // namespace Vorn
