// The strip of an order waiting to be placed.
#include "interface/MainPanel/PlaceToolbar.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/MainPanel/ButtonTips.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace Vorn::MainPanel {

PlaceToolbar::PlaceToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    AddButton(textureStore.FindTexture("particle"));
}

void PlaceToolbar::ShowOrder(const std::string& productType, const std::string& name, float fraction,
                             bool done, int orderPrice, int buildTime) {
    if (productType != product)
        SetButtonTexture(placeButton, IconTexture(productType));
    product = productType;
    productName = name;
    progress = fraction;
    complete = done;
    price = orderPrice;
    buildTimeMs = buildTime;
}

void PlaceToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == cancelButton) {
        DrawTexts(index, Text("Cancel"), "", false);
        return;
    }
    if (complete) {
        DrawTexts(index, Text("Place"), "", false);
        return;
    }
    DrawTexts(index, Text("Working"), "", false);
    glColor4ub(64, 128, 255, 255);
    glBegin(GL_LINE_LOOP);
    glVertex2f(6, 54);
    glVertex2f(58, 54);
    glVertex2f(58, 58);
    glVertex2f(6, 58);
    glEnd();
    const float filled = static_cast<float>(static_cast<int>(std::clamp(progress, 0.0f, 1.0f) * 53));
    glRectf(6, 55, 6 + filled, 58);
}

std::string PlaceToolbar::Tooltip(int index) const {
    if (index == cancelButton)
        return Text("tip_cancel_order");
    char left[64];
    const double secondsLeft =
        (1.0 - std::clamp(static_cast<double>(progress), 0.0, 1.0)) * buildTimeMs * 0.001;
    std::snprintf(left, sizeof left, "%.0f%%, %.1f s", static_cast<double>(progress) * 100, secondsLeft);
    if (complete)
        return productName + ": " + Text("tip_place");
    return productName + ": " + left + WaitingReason(subject, price);
}

} // namespace Vorn::MainPanel
