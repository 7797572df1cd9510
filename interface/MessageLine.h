// A short line of news over the main panel: refused placements, money running out, finished orders,
// lost units, a question before destroying. Each message shows for a few seconds; a newer one replaces it.
#pragma once

#include <string>

namespace Vorn {

class MessageLine {
public:
    static constexpr unsigned showMs = 4000;

    // The same text again only renews it.
    void Post(const std::string& text);
    void Update(unsigned elapsedMs);
    // Empty when nothing is shown.
    const std::string& Text() const { return text; }
    // Needs a GL context; draws with the info text font, its last line at (x, y) and the lines before it
    // above, broken to fit `width` so that a long message never runs under what stands to its right.
    void Draw(double x, double y, double width) const;

private:
    std::string text;
    unsigned leftMs = 0;
};

} // namespace Vorn
