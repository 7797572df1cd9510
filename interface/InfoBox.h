// The info box above the right end of the main panel: the selection's title and four lines.
#pragma once

#include "interface/InfoBoxContent.h"

#include <span>

namespace Vorn {

class Drawing;
class Interface;
class Object;
class SideTable;
class World;

class InfoBox {
public:
    InfoBox(Interface& owner, World& world);

    // Needs a GL context; the caller has translated to the box's slide and the main panel's top.
    void Draw(const SideTable& sides, std::span<Object* const> selection);
    // Window coordinates, y down; `lift` is how far above the bottom of the screen the box stands. Takes
    // the click, doing nothing with it, when it falls on the box.
    bool Click(int x, int y, float lift) const;

    InfoBoxContent& Content() { return content; }
    const InfoBoxContent& Content() const { return content; }
    const InfoBoxTexts& LastTexts() const { return lastTexts; }

private:
    Interface& owner;
    World& world;
    const Drawing* drawing;
    InfoBoxContent content;
    InfoBoxTexts lastTexts;
};

} // namespace Vorn
