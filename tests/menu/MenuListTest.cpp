// The menus' column of buttons: focus over enabled items only, layout in columns, hits on enabled items.
#include "menu/MenuList.h"

#include <gtest/gtest.h>

namespace {

Vorn::MenuList List() {
    Vorn::MenuList list;
    list.SetItems({{"off", "", false}, {"new", ""}, {"load", "", false}, {"settings", ""}, {"quit", ""}});
    return list;
}

TEST(MenuList, TheFocusStartsOnTheFirstEnabledItemSkipsDisabledOnesAndStopsAtTheEnds) {
    Vorn::MenuList list = List();
    ASSERT_NE(list.Focused(), nullptr);
    EXPECT_EQ(list.Focused()->id, "new");
    list.MoveFocus(1);
    EXPECT_EQ(list.Focused()->id, "settings");
    list.MoveFocus(5);
    EXPECT_EQ(list.Focused()->id, "quit");
    list.MoveFocus(-3);
    EXPECT_EQ(list.Focused()->id, "new") << "the disabled first item is never reached";
    list.FocusOn("load");
    EXPECT_EQ(list.Focused()->id, "new");

    Vorn::MenuList none;
    none.SetItems({{"a", "", false}});
    none.MoveFocus(1);
    EXPECT_EQ(none.Focused(), nullptr);
}

TEST(MenuList, ItemsAreLaidDownwardsIntoNewColumnsAndOnlyEnabledOnesAreHit) {
    Vorn::MenuList list = List();
    // Rows of 30 with gaps of 10 from y = 200 down to no lower than 100: two rows a column.
    list.Lay(50, 200, 100, 30, 10, 100);
    const auto& boxes = list.Boxes();
    EXPECT_EQ(boxes[0].bottom, 170);
    EXPECT_EQ(boxes[1].bottom, 130);
    EXPECT_EQ(boxes[2].left, 160);
    EXPECT_EQ(boxes[2].bottom, 170);
    EXPECT_EQ(boxes[4].left, 270);
    EXPECT_EQ(list.ItemAt(60, 175), -1) << "a disabled item takes no click";
    EXPECT_EQ(list.ItemAt(60, 135), 1);
    EXPECT_EQ(list.ItemAt(170, 135), 3);
    EXPECT_EQ(list.ItemAt(60, 165), -1) << "the gap between rows is no button";
}

} // namespace
