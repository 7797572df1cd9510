// The focus and layout of a column of menu buttons.
#include "menu/MenuList.h"

namespace Vorn {

void MenuList::SetItems(std::vector<MenuItem> newItems) {
    items = std::move(newItems);
    boxes.assign(items.size(), MenuBox{});
    focus = -1;
    for (std::size_t index = 0; index < items.size() && focus < 0; ++index)
        if (items[index].enabled)
            focus = static_cast<int>(index);
}

void MenuList::MoveFocus(int steps) {
    if (focus < 0)
        return;
    const int direction = steps < 0 ? -1 : 1;
    for (int remaining = steps < 0 ? -steps : steps; remaining > 0; --remaining) {
        int next = focus + direction;
        while (next >= 0 && next < static_cast<int>(items.size()) &&
               !items[static_cast<std::size_t>(next)].enabled)
            next += direction;
        if (next < 0 || next >= static_cast<int>(items.size()))
            return;
        focus = next;
    }
}

void MenuList::FocusOn(const std::string& id) {
    for (std::size_t index = 0; index < items.size(); ++index)
        if (items[index].id == id && items[index].enabled)
            focus = static_cast<int>(index);
}

void MenuList::FocusIndex(int index) {
    if (index >= 0 && index < static_cast<int>(items.size()) &&
        items[static_cast<std::size_t>(index)].enabled)
        focus = index;
}

const MenuItem* MenuList::Focused() const {
    return focus < 0 ? nullptr : &items[static_cast<std::size_t>(focus)];
}

void MenuList::Lay(int left, int top, int width, int rowHeight, int gap, int bottom) {
    int y = top;
    for (MenuBox& box : boxes) {
        y -= rowHeight;
        if (y < bottom && y + rowHeight + gap < top) {
            left += width + gap;
            y = top - rowHeight;
        }
        box = MenuBox{left, y, width, rowHeight};
        y -= gap;
    }
}

void MenuList::LayRow(int left, int bottom, int width, int height, int gap) {
    for (MenuBox& box : boxes) {
        box = MenuBox{left, bottom, width, height};
        left += width + gap;
    }
}

int MenuList::ItemAt(int x, int y) const {
    for (std::size_t index = 0; index < boxes.size(); ++index)
        if (items[index].enabled && boxes[index].Contains(x, y))
            return static_cast<int>(index);
    return -1;
}

} // namespace Vorn
