// Every action the game asks the keyboard for.
#include "game/KeyActions.h"

#include "interface/InterfaceNames.h"
#include "interface/OverlayNames.h"

#include <algorithm>
#include <vector>

namespace Vorn::KeyActions {

namespace {

std::vector<std::string_view> Gather() {
    namespace Overlay = OverlayNames;
    std::vector<std::string_view> actions = {switchFps,
                                             switchCounters,
                                             pause,
                                             scrollLock,
                                             mute,
                                             zoomIn,
                                             zoomOut,
                                             resetZoom,
                                             resetRotation,
                                             restart,
                                             quit,
                                             quickSave,
                                             quickLoad,
                                             help,
                                             InterfaceNames::switchInterface,
                                             InterfaceNames::switchMinimap,
                                             InterfaceNames::switchInfobox,
                                             InterfaceNames::showHealthBars,
                                             InterfaceNames::switchMessageLog,
                                             Overlay::disperseModifier,
                                             Overlay::gatherModifier,
                                             Overlay::queueModifier,
                                             Overlay::showTrackModifier,
                                             Overlay::toggleModifier,
                                             Overlay::storeGroupModifier,
                                             Overlay::stop};
    actions.insert(actions.end(), scrolls.begin(), scrolls.end());
    actions.insert(actions.end(), replaySpeeds.begin(), replaySpeeds.end());
    actions.insert(actions.end(), Overlay::groups.begin(), Overlay::groups.end());
    return actions;
}

} // namespace

std::span<const std::string_view> All() {
    static const std::vector<std::string_view> actions = Gather();
    return actions;
}

bool IsAction(std::string_view name) {
    const std::span<const std::string_view> actions = All();
    return std::find(actions.begin(), actions.end(), name) != actions.end();
}

} // namespace Vorn::KeyActions
