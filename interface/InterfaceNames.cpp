// The keys the interface reads from "interface.xml".
#include "interface/InterfaceNames.h"

namespace Vorn::InterfaceNames {

namespace {
constexpr std::string_view requiredKeys[] = {
    minimapSize,         minimapOffset,     minimapTextureSize, minimapTankSize,   minimapTowerSize,
    minimapBuildingSize, infoboxSize,       infoboxTitleX,      infoboxTitleY,     infoboxLineX[0],
    infoboxLineY[0],     infoboxLineX[1],   infoboxLineY[1],    infoboxLineX[2],   infoboxLineY[2],
    infoboxLineX[3],     infoboxLineY[3],   buildinfoTitleX,    buildinfoTitleY,   buildinfoLineX[0],
    buildinfoLineY[0],   buildinfoLineX[1], buildinfoLineY[1],  buildinfoLineX[2], buildinfoLineY[2]};
} // namespace

std::span<const std::string_view> RequiredKeys() {
    return requiredKeys;
}

} // namespace Vorn::InterfaceNames
