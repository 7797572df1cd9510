// The group choice for the factory's next orders.
#include "interface/MainPanel/GroupsToolbar.h"

#include "datafiles/CallsignTable.h"
#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"

namespace Vorn::MainPanel {

GroupsToolbar::GroupsToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    AddButton(textureStore.FindTexture("interface_stop_icon"));
    for (int i = 1; i < buttonCount; ++i)
        AddButton(IconTexture("group"));
}

void GroupsToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    if (index == backButton)
        return;
    if (index == unassignedButton) {
        DrawTexts(index, "Unassigned", "Uniform", false);
        return;
    }
    const char capital[2] = {static_cast<char>(index + 63), 0};
    DrawTexts(index, callsignTable.CallsignWord(LetterOf(index)), capital, false);
}

std::string GroupsToolbar::Tooltip(int index) const {
    if (index == backButton)
        return Text("tip_back");
    if (index == unassignedButton)
        return Text("tip_no_group");
    return Text("tip_group") + " " + callsignTable.CallsignWord(LetterOf(index));
}

} // namespace Vorn::MainPanel
