// The tank factory's strip.
#include "interface/MainPanel/FactoryToolbar.h"

#include "interface/ButtonIcons.h"
#include "world/TankFactory.h"

#include <cstdio>

namespace Vorn::MainPanel {

namespace {
const char* const factoryLabels[] = {"NewTank", "BuildSetGroup", "BuildCancel", "BuildEmpty"};
const char* const icons[] = {"new_tank", "group", "cancel_order", "empty_queue"};
} // namespace

FactoryToolbar::FactoryToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    for (const char* icon : icons)
        AddButton(IconTexture(icon));
}

void FactoryToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    DrawTexts(index, Text(factoryLabels[index]), "", true);
}

std::string FactoryToolbar::Tooltip(int index) const {
    const auto* factory = dynamic_cast<const TankFactory*>(subject);
    char queue[96] = "";
    if (factory != nullptr) {
        std::snprintf(queue, sizeof queue, " (%zu %s, %s %c)", factory->Orders().size(),
                      Text("tip_queued").c_str(), Text("tip_group").c_str(),
                      factory->panelState.groupLetter ? factory->panelState.groupLetter - 'a' + 'A' : '-');
    }
    return Text(std::string("tip_") + factoryLabels[index]) + queue;
}

} // namespace Vorn::MainPanel
