// The simulator's list of what stands on the map.
#include "tools/sector-clash-simulate/ObjectTrace.h"

#include "datafiles/SideNames.h"
#include "rules/TypeCatalogue.h"
#include "tools/shared/JsonText.h"
#include "world/Building.h"
#include "world/ICallsign.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/World.h"

#include <cstdio>
#include <optional>

namespace simulate {

namespace {

struct Listed {
    const char* kind;
    std::string type;
};

// What the trace calls the object and its type; nothing for the corpses that share the obstacles'
// container.
std::optional<Listed> ListedAs(const Vorn::Object& object) {
    if (const Vorn::Tank* tank = object.AsTank())
        return Listed{"tank", Vorn::TypeNameOf(tank->type)};
    if (const auto* tower = dynamic_cast<const Vorn::Tower*>(&object))
        return Listed{"tower", Vorn::TypeNameOf(tower->type)};
    if (const auto* building = dynamic_cast<const Vorn::Building*>(&object))
        return Listed{"building", Vorn::TypeNameOf(building->type)};
    if (const auto* obstacle = dynamic_cast<const Vorn::Obstacle*>(&object))
        return Listed{"obstacle", Vorn::TypeNameOf(obstacle->type)};
    if (const auto* landmine = dynamic_cast<const Vorn::Landmine*>(&object))
        return Listed{"landmine", Vorn::TypeNameOf(landmine->type)};
    return std::nullopt;
}

// The group letter (when there is one) and the number.
void AppendCallsign(std::string& out, const Vorn::Object& object) {
    const auto* callsign = dynamic_cast<const Vorn::ICallsign*>(&object);
    if (callsign == nullptr) {
        out += "null";
        return;
    }
    std::string text = callsign->letter != 0 ? std::string(1, callsign->letter) : std::string();
    toolkit::AppendJsonString(out, text + std::to_string(callsign->number));
}

void AppendNumber(std::string& out, std::optional<double> value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", value.value_or(0));
    out += value ? text : "null";
}

// The side is the container's: every object of a side's container belongs to it.
void AppendObject(std::string& out, int side, const Vorn::Object& object, const Listed& listed) {
    out += out.back() == '[' ? "{\"kind\": " : ", {\"kind\": ";
    toolkit::AppendJsonString(out, listed.kind);
    out += ", \"side\": ";
    toolkit::AppendJsonString(out, sideNames[static_cast<std::size_t>(side)]);
    out += ", \"type\": ";
    toolkit::AppendJsonString(out, listed.type);
    out += ", \"callsign\": ";
    AppendCallsign(out, object);
    out += ", \"x\": ";
    AppendNumber(out, object.x);
    out += ", \"y\": ";
    AppendNumber(out, object.y);
    out += ", \"radius\": ";
    AppendNumber(out, object.size);
    out += ", \"hp\": ";
    const std::optional<Vorn::HitPoints> health = object.Health();
    AppendNumber(out, health ? std::optional<double>(health->current) : std::nullopt);
    out += '}';
}

// The order the trace lists a side's objects in.
constexpr Vorn::ObjectKind listedKinds[] = {Vorn::KindTank, Vorn::KindTower, Vorn::KindBuilding,
                                            Vorn::KindStatic, Vorn::KindLandmine};

} // namespace

std::string ObjectsJson(Vorn::World& world) {
    std::string out = "{\"t\": " + std::to_string(world.Clock()) + ", \"objects\": [";
    for (int side = 0; side < Vorn::sideCount; ++side)
        for (const Vorn::ObjectKind kind : listedKinds)
            for (const auto& [key, cell] : world.Objects(side, kind).Cells())
                for (const Vorn::Object* object : cell)
                    if (const std::optional<Listed> listed = ListedAs(*object))
                        AppendObject(out, side, *object, *listed);
    return out + "]}";
}

void ObjectTrace::AfterStep(Vorn::World& world, unsigned clockBefore) {
    if (everyMs != 0 && world.Clock() / everyMs != clockBefore / everyMs)
        Print(world);
}

void ObjectTrace::AtEnd(Vorn::World& world) {
    if (everyMs != 0 && printedAt != world.Clock())
        Print(world);
}

void ObjectTrace::Print(Vorn::World& world) {
    std::printf("%s\n", ObjectsJson(world).c_str());
    printedAt = world.Clock();
}

} // namespace simulate
