// The armory's strip: one switch per ammunition kind, showing the stock, whether the line runs and how far
// the next round is made.
#pragma once

#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

class ArmoryToolbar : public Toolbar {
public:
    static constexpr int buttonCount = bulletTypeCount;

    ArmoryToolbar(int width, int x, int y);
    void DrawButton(int index) const override;
    std::string Tooltip(int index) const override;

    static BulletType KindOf(int index) { return static_cast<BulletType>(index); }
    // The stock text "%u %s": the count, and "..." while the line is on but the side cannot pay.
    std::string StockText(int index) const;

private:
    // The ammunition strip's texture offset: how far the next round is, or -1 when it cannot be paid.
    float Phase(int index) const;
    void DrawStatus(int index) const;
};

} // namespace Vorn::MainPanel
