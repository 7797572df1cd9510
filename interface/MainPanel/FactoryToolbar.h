// The tank factory's strip: start a new tank order, choose the group of the next orders, cancel the
// running order, empty the queue behind it.
#pragma once

#include "interface/Toolbar.h"

namespace Vorn::MainPanel {

class FactoryToolbar : public Toolbar {
public:
    static constexpr int newTankButton = 0;
    static constexpr int setGroupButton = 1;
    static constexpr int cancelButton = 2;
    static constexpr int emptyButton = 3;

    FactoryToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;
};

} // namespace Vorn::MainPanel
