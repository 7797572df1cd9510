// The driver's checks of what a play-through has achieved in the world.
#include "tools/sector-clash-autoplay/WorldChecks.h"

#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/IInfo.h"
#include "world/World.h"

#include <cmath>
#include <optional>

namespace autoplay {

namespace {

struct Comparison {
    std::string op;
    long long value = 0;
    bool Holds(long long actual) const {
        if (op == "<")
            return actual < value;
        if (op == "<=")
            return actual <= value;
        if (op == "=")
            return actual == value;
        if (op == ">=")
            return actual >= value;
        return actual > value;
    }
};

bool IsOperator(const std::string& op) {
    return op == "<" || op == "<=" || op == "=" || op == ">=" || op == ">";
}

// A kind of object, or a building type among the buildings.
struct KindFilter {
    Vorn::ObjectKind kind = Vorn::KindTank;
    std::optional<Vorn::BuildingType> buildingType;
};

std::optional<KindFilter> KindOfName(const std::string& name) {
    if (name == "tank")
        return KindFilter{Vorn::KindTank, {}};
    if (name == "tower")
        return KindFilter{Vorn::KindTower, {}};
    if (name == "building")
        return KindFilter{Vorn::KindBuilding, {}};
    if (name == "landmine")
        return KindFilter{Vorn::KindLandmine, {}};
    for (int type = 0; type < Vorn::buildingTypeCount; ++type)
        if (Vorn::TypeNameOf(static_cast<Vorn::BuildingType>(type)) == name)
            return KindFilter{Vorn::KindBuilding, static_cast<Vorn::BuildingType>(type)};
    return std::nullopt;
}

bool Matches(const KindFilter& filter, const Vorn::Object& object) {
    if (!filter.buildingType)
        return true;
    const auto* building = dynamic_cast<const Vorn::Building*>(&object);
    return building != nullptr && building->type == *filter.buildingType;
}

long long CountOf(Vorn::World& world, int side, const KindFilter& filter) {
    long long count = 0;
    for (const auto& [key, cell] : world.Objects(side, filter.kind).Cells())
        for (const Vorn::Object* object : cell)
            count += Matches(filter, *object) ? 1 : 0;
    return count;
}

bool ValidSide(int side) {
    return side >= 0 && side < Vorn::sideCount;
}

std::string CountFailure(Vorn::World& world, std::istringstream& words) {
    int side = 0;
    std::string kindName;
    Comparison comparison;
    words >> side >> kindName >> comparison.op >> comparison.value;
    const long long count = CountOf(world, side, *KindOfName(kindName));
    return comparison.Holds(count)
               ? std::string()
               : "side " + std::to_string(side) + " has " + std::to_string(count) + " " + kindName;
}

std::string MoneyFailure(Vorn::World& world, std::istringstream& words) {
    int side = 0;
    Comparison comparison;
    words >> side >> comparison.op >> comparison.value;
    const int money = world.sides[side].money;
    return comparison.Holds(money)
               ? std::string()
               : "side " + std::to_string(side) + " has " + std::to_string(money) + " money";
}

std::string DamagedFailure(Vorn::World& world, std::istringstream& words) {
    int side = 0;
    std::string kindName;
    float x = 0, y = 0, r = 0;
    words >> side >> kindName >> x >> y >> r;
    const KindFilter filter = *KindOfName(kindName);
    const Vorn::Object* nearest = nullptr;
    float best = r;
    for (const auto& [key, cell] : world.Objects(side, filter.kind).Cells())
        for (const Vorn::Object* object : cell) {
            const float distance = std::hypot(object->x - x, object->y - y);
            if (Matches(filter, *object) && distance <= best) {
                best = distance;
                nearest = object;
            }
        }
    if (nearest == nullptr)
        return {};
    const auto* info = dynamic_cast<const Vorn::IInfo*>(nearest);
    if (info == nullptr || info->ArmorFraction() < 1.0f)
        return {};
    return "the " + kindName + " at " + std::to_string(static_cast<int>(nearest->x)) + " " +
           std::to_string(static_cast<int>(nearest->y)) + " is unhurt";
}

} // namespace

bool IsWorldCheck(const std::string& action) {
    return action == "count" || action == "money" || action == "damaged";
}

std::string ParseWorldCheck(const std::string& action, std::istringstream& words, std::string& arguments) {
    int side = -1;
    std::ostringstream canonical;
    if (!(words >> side) || !ValidSide(side))
        return "check " + action + " needs a side 0 to 6";
    canonical << side;
    if (action == "count" || action == "damaged") {
        std::string kindName;
        if (!(words >> kindName) || !KindOfName(kindName))
            return "check " + action + " needs tank, tower, building, landmine or a building type";
        canonical << ' ' << kindName;
    }
    if (action == "damaged") {
        float x = 0, y = 0, r = 0;
        if (!(words >> x >> y >> r) || !(r >= 0))
            return "check damaged needs the world point X Y and a distance";
        canonical << ' ' << x << ' ' << y << ' ' << r;
    } else {
        std::string op;
        long long value = 0;
        if (!(words >> op >> value) || !IsOperator(op))
            return "check " + action + " needs an operator (< <= = >= >) and a number";
        canonical << ' ' << op << ' ' << value;
    }
    arguments = canonical.str();
    return {};
}

std::string WorldCheckFailure(const std::string& action, const std::string& arguments) {
    if (Vorn::world == nullptr)
        return "no game is running";
    std::istringstream words(arguments);
    if (action == "count")
        return CountFailure(*Vorn::world, words);
    if (action == "money")
        return MoneyFailure(*Vorn::world, words);
    return DamagedFailure(*Vorn::world, words);
}

} // namespace autoplay
