// A column of buttons the player moves through with the arrows or the mouse and picks with Enter or a
// click: which one has the focus, where each stands on the screen, and which one a point is over.
#pragma once

#include <string>
#include <vector>

namespace Vorn {

struct MenuItem {
    // What the screen acts on; never shown.
    std::string id;
    // What the player reads, already through the texts.
    std::string label;
    bool enabled = true;
};

// A button's place in screen pixels, y up from the bottom as the screen is drawn.
struct MenuBox {
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= bottom && y < bottom + height;
    }
};

class MenuList {
public:
    // The focus goes to the first enabled item (none when none is).
    void SetItems(std::vector<MenuItem> newItems);
    // Moves the focus by the number of enabled items, stopping at either end.
    void MoveFocus(int steps);
    // Focuses the item with the id when it is there and enabled.
    void FocusOn(const std::string& id);
    // The focused item, or null when the list has no enabled item.
    const MenuItem* Focused() const;
    // Places the items one under another from the top edge down; an item that would reach below
    // `bottom` starts a new column to the right.
    void Lay(int left, int top, int width, int rowHeight, int gap, int bottom = -1000000);
    // Places the items side by side from the left edge.
    void LayRow(int left, int bottom, int width, int height, int gap);
    // The index of the enabled item at a screen point (y up), or -1.
    int ItemAt(int x, int y) const;
    void FocusIndex(int index);

    const std::vector<MenuItem>& Items() const { return items; }
    const std::vector<MenuBox>& Boxes() const { return boxes; }
    int FocusedIndex() const { return focus; }

private:
    std::vector<MenuItem> items;
    std::vector<MenuBox> boxes;
    int focus = -1;
};

} // namespace Vorn
