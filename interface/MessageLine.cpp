// A short line of news over the main panel.
#include "interface/MessageLine.h"

#include "graphics/FontStore.h"
#include "interface/TextWrap.h"

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

void MessageLine::Draw(double x, double y, double width) const {
    if (text.empty())
        return;
    constexpr double lineHeight = 16;
    const TextFont& font = fontStore.FindFont("info_text");
    const auto measure = [&font](const std::string& line) { return font.Advance(line.c_str()); };
    const std::vector<std::string> lines = WrapText(text, width, measure);
    double lineY = y + lineHeight * static_cast<double>(lines.size() - 1);
    for (const std::string& line : lines) {
        font.DrawText(x, lineY, line.c_str());
        lineY -= lineHeight;
    }
}

} // namespace Vorn
