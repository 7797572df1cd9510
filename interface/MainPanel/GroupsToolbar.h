// The group choice for the factory's next orders: back, no group, then one group per letter a to z.
#pragma once

#include "interface/Toolbar.h"

namespace Vorn::MainPanel {

class GroupsToolbar : public Toolbar {
public:
    static constexpr int backButton = 0;
    static constexpr int unassignedButton = 1;
    static constexpr int buttonCount = 28;

    GroupsToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    // The group letter of button i (2-27): a to z.
    static char LetterOf(int index) { return static_cast<char>(index + 95); }
};

} // namespace Vorn::MainPanel
