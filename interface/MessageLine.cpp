// A short line of news over the main panel.
#include "interface/MessageLine.h"

#include "graphics/FontStore.h"

namespace Vorn {

void MessageLine::Post(const std::string& message) {
    text = message;
    leftMs = showMs;
}

void MessageLine::Update(unsigned elapsedMs) {
    if (elapsedMs >= leftMs) {
        leftMs = 0;
        text.clear();
        return;
    }
    leftMs -= elapsedMs;
}

void MessageLine::Draw(double x, double y) const {
    if (!text.empty())
        fontStore.FindFont("info_text").DrawText(x, y, text.c_str());
}

} // namespace Vorn
