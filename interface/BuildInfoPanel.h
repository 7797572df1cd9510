// The box that rises from the main panel while a placeable order is shown and sinks when it is not: the
// order's name, its price and what is paid, its progress and the time left.
#pragma once

#include "interface/OrderView.h"

#include <array>
#include <string>

namespace Vorn {

class Drawing;

// Where the title and the three lines stand inside the box ("buildinfo.title_x" ... "buildinfo.line3_y").
struct BuildInfoPositions {
    double titleX = 0;
    double titleY = 0;
    std::array<double, 3> lineX{};
    std::array<double, 3> lineY{};
};

class BuildInfoPanel {
public:
    // The main panel's height: how far the box sinks.
    static constexpr float travel = 81.0f;
    // Pixels per millisecond.
    static constexpr float speed = 0.6f;

    BuildInfoPanel() = default;
    explicit BuildInfoPanel(const BuildInfoPositions& positions) : positions(positions) {}

    // Rises while raised, sinks otherwise, whatever the main panel does.
    void Update(unsigned elapsedMs);
    // The order to describe, set by the panel every update.
    void SetOrder(const OrderView& view) { order = view; }
    // Needs a GL context; draws relative to the main panel's origin.
    void Draw() const;
    void Raise() { raised = true; }
    void Lower() { raised = false; }

    bool Raised() const { return raised; }
    float Position() const { return position; }
    // The title and the three lines for the order.
    std::string Title() const;
    std::array<std::string, 3> Lines() const;

    BuildInfoPositions positions;

private:
    OrderView order;
    float position = 0;
    bool raised = false;
};

} // namespace Vorn
