// How many tanks of the chosen design to order.
#include "interface/MainPanel/CountToolbar.h"

#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"

#include <cstdio>

namespace Vorn::MainPanel {

namespace {
constexpr unsigned counts[CountToolbar::buttonCount] = {0, 1, 2, 3, 5, 10, 20, 50, 100, 1000};
}

unsigned CountToolbar::CountOf(int index) {
    return index > 0 && index < buttonCount ? counts[index] : 0;
}

CountToolbar::CountToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    for (int k = 1; k < buttonCount; ++k)
        AddButton(IconTexture("count"));
}

void CountToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == backButton)
        return;
    char label[32];
    char info[16];
    std::snprintf(label, sizeof label, "Build %u", CountOf(index));
    std::snprintf(info, sizeof info, "%u", CountOf(index));
    DrawTexts(index, label, info, false);
}

std::string CountToolbar::Tooltip(int index) const {
    if (index == backButton)
        return Text("tip_back");
    char tip[128];
    std::snprintf(tip, sizeof tip, "%u x %s = %lld", CountOf(index), PriceText(tankPrice).c_str(),
                  static_cast<long long>(CountOf(index)) * tankPrice);
    return tip;
}

} // namespace Vorn::MainPanel
