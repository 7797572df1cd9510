// The level's objectives in a small panel above the info box, sliding out with it: each on its own line,
// an open one behind an empty box, a completed one ticked, a failed one crossed out.
#pragma once

#include <string>
#include <vector>

namespace Vorn {

struct ObjectiveLine {
    enum class Mark { Open, Ticked, Crossed };
    // As the player reads it (already looked up in texts.xml).
    std::string text;
    Mark mark = Mark::Open;
};

class ObjectivesPanel {
public:
    static constexpr double width = 290;
    static constexpr double lineHeight = 15;

    void Set(std::vector<ObjectiveLine> lines) { this->lines = std::move(lines); }
    const std::vector<ObjectiveLine>& Lines() const { return lines; }
    // The panel's height on screen; 0 without objectives, when nothing is drawn.
    double Height() const;
    // Needs a GL context; the caller has translated to the panel's bottom-right corner.
    void Draw() const;

private:
    std::vector<ObjectiveLine> lines;
};

} // namespace Vorn
