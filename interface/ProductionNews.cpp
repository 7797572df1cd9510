// The player's production news on the message line.
#include "interface/ProductionNews.h"

#include "interface/MessageLine.h"
#include "interface/OverlayNames.h"
#include "interface/Toolbar.h"
#include "rules/ObjectTypes.h"
#include "rules/TypeCatalogue.h"
#include "world/ProductFamily.h"

#include <string>

namespace Vorn {

namespace {

// The name the place toolbar shows for the product.
std::string ProductName(int detail) {
    const int type = TypeOfDetail(detail);
    switch (FamilyOfDetail(detail)) {
    case ProductFamily::Building:
        return Text(TextKeyOf(static_cast<BuildingType>(type)));
    case ProductFamily::Tower:
        return Text(TypeNameOf(static_cast<TowerType>(type)) + "_short");
    case ProductFamily::Landmine:
        return Text(static_cast<LandmineType>(type) == LandmineType::SmallLandmine ? "SmallMine"
                                                                                   : "LargeMine");
    case ProductFamily::Obstacle:
        return Text(TypeNameOf(static_cast<ObstacleType>(type)));
    default:
        return {};
    }
}

std::string RefusalText(int status) {
    const auto& reasons = OverlayNames::refusalTexts;
    if (status <= 0 || status > static_cast<int>(reasons.size()))
        return Text("msg_cannot_place");
    return Text("msg_cannot_place") + ": " + Text(std::string(reasons[static_cast<std::size_t>(status - 1)]));
}

} // namespace

void TellProductionNews(const WorldEvents& events, int side, MessageLine& messages) {
    for (const WorldEvent& event : events) {
        if (event.side != side)
            continue;
        if (event.kind == WorldEventKind::ReadyToPlace)
            messages.Post(ProductName(event.detail) + ": " + Text("msg_ready"));
        else if (event.kind == WorldEventKind::MoneyRunningOut)
            messages.Post(Text("msg_no_money"));
        else if (event.kind == WorldEventKind::PlacementRefused)
            messages.Post(RefusalText(event.detail));
    }
}

} // namespace Vorn
