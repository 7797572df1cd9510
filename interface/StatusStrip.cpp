// The three small buttons at the right end of the main panel.
#include "interface/StatusStrip.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/MessageLine.h"
#include "interface/PanelOverlay.h"
#include "interface/Toolbar.h"
#include "interface/OrderIssuer.h"
#include "world/Object.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

// The buttons are squares of this many pixels.
constexpr int buttonSize = 38;
// Each button's left edge, counted from the screen's right edge.
constexpr int firstFromRight = 184;
constexpr int destroyFromRight = 138;
constexpr int thirdFromRight = 46;

ToolbarButton SmallButton(unsigned int texture, ButtonState state) {
    ToolbarButton button;
    button.width = buttonSize;
    button.height = buttonSize;
    button.texture = texture;
    button.iconX = 3;
    button.iconY = 3;
    button.iconWidth = 32;
    button.iconHeight = 32;
    button.state = state;
    return button;
}

} // namespace

StatusStrip::StatusStrip(PanelOverlay& overlay, MessageLine& messages, OrderIssuer& orders, int screenWidth)
    : orders(orders), overlay(overlay), messages(messages), screenWidth(screenWidth),
      first(SmallButton(textureStore.FindTexture("particle"), ButtonState::Disabled)),
      second(SmallButton(IconTexture("destroy"), ButtonState::Disabled)),
      third(SmallButton(textureStore.FindTexture("particle"), ButtonState::Normal)) {}

// [left, left + 38) x (7, 45]: the rectangles the strip has always used, one pixel above the drawn squares.
bool StatusStrip::Over(int left, int px, int py) const {
    return px >= left && px < left + buttonSize && py > 7 && py <= 45;
}

void StatusStrip::Update(unsigned elapsedMs, const PanelPointer& pointer) {
    armedMs = elapsedMs >= armedMs ? 0 : armedMs - elapsedMs;
    first.Point(Over(screenWidth - firstFromRight, pointer.x, pointer.y), pointer.leftDown);
    if (overlay.Selection().empty()) {
        second.state = ButtonState::Disabled;
        armedMs = 0;
    } else {
        second.state = ButtonState::Normal;
        second.Point(Over(screenWidth - destroyFromRight, pointer.x, pointer.y), pointer.leftDown);
    }
    third.Point(Over(screenWidth - thirdFromRight, pointer.x, pointer.y), pointer.leftDown);
}

bool StatusStrip::Click(int x, int y, int refuse) {
    if (refuse != 0)
        return false;
    if (Over(screenWidth - firstFromRight, x, y) || Over(screenWidth - thirdFromRight, x, y))
        return true;
    if (second.Disabled() || !Over(screenWidth - destroyFromRight, x, y))
        return false;
    if (armedMs == 0) {
        armedMs = confirmMs;
        messages.Post(Text("msg_destroy_confirm"));
        return true;
    }
    armedMs = 0;
    DestroySelection();
    return true;
}

void StatusStrip::DestroySelection() {
    std::vector<Object*> own;
    for (Object* object : overlay.Selection())
        if (object->side == orders.Side())
            own.push_back(object);
    if (!own.empty())
        orders.Issue(DestroyCommand(SerialsOf(own)));
}

void StatusStrip::Draw() const {
    glPushMatrix();
    glTranslatef(static_cast<float>(screenWidth - firstFromRight), 8, 0);
    first.Draw();
    glTranslatef(static_cast<float>(firstFromRight - destroyFromRight), 0, 0);
    second.Draw();
    glTranslatef(static_cast<float>(destroyFromRight - thirdFromRight), 0, 0);
    third.Draw();
    glPopMatrix();
}

} // namespace Vorn
