// The levels area of the data checker: every file in "levels/", element by element, then which events can
// run at all and which tanks would be dropped for standing on another.
#include "campaign/CampaignList.h"
#include "datafiles/Node.h"
#include "datafiles/SideNames.h"
#include "datafiles/TypeKeywords.h"
#include "commander/CommanderBook.h"
#include "game/LevelGround.h"
#include "game/LevelLimits.h"
#include "game/LevelNames.h"
#include "game/SkirmishForces.h"
#include "rules/ConstantNames.h"
#include "rules/ConstantsLoader.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/Text.h"
#include "world/SpatialMap.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace check {
namespace {

namespace Names = Vorn::LevelNames;
using Attributes = std::set<std::string_view>;

// The radius the game keeps free around a level's tank.
constexpr double tankPlaceRadius = 32;
// The side of a cell of the world's spatial grids.
constexpr double cellSize = Vorn::SpatialMap<void>::cellSize;

// The attributes each element may carry.
const Attributes commonAttributes = {Names::x,     Names::y,      Names::direction, Names::randomScatter,
                                     Names::color, Names::number, Names::group};
const std::map<std::string_view, Attributes> objectAttributes = {
    {Names::tank, {Names::type, Names::turret, Names::armor, Names::toX, Names::toY}},
    {Names::tower, {Names::type, Names::turret}},
    {Names::building, {Names::type}},
    {Names::obstacle, {Names::type, Names::size}},
    {Names::landmine, {Names::type}},
    {Names::landmark, {Names::type}},
};
const std::map<std::string_view, Attributes> actionAttributes = {
    {Names::beep, {}},
    {Names::newObjects, {}},
    {Names::destroy, {}},
    {Names::request,
     {Names::requestEvent, Names::when, Names::delay, Names::persistent, Names::value, Names::color,
      Names::group, Names::number}},
    {Names::cancel, {Names::requestEvent}},
    {Names::quit, {Names::status}},
    {Names::order, {Names::color, Names::group, Names::x, Names::y}},
    {Names::commander, {Names::color, Names::difficulty}},
    {Names::message, {Names::text, Names::beep}},
    {Names::objective, {Names::name, Names::text, Names::state}},
    {Names::camera, {Names::x, Names::y}},
    {Names::reveal, {Names::x, Names::y, Names::radius}},
};

const Brisk::Attribute* Find(const Brisk::Node& element, std::string_view name) {
    return element.FindAttribute(std::string(name));
}

bool IsSide(const std::string& name) {
    return std::any_of(sideNames.begin(), sideNames.end(), [&](std::string_view side) {
        return side.size() == name.size() &&
               std::equal(side.begin(), side.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    });
}

bool IsKeyword(std::span<const TypeKeyword> table, const std::string& value) {
    return TypeOfKeyword(table, value, -1) != -1;
}

// The number the whole text reads as, or nothing.
std::optional<double> NumberOf(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(start, &end);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == start || *end != '\0')
        return std::nullopt;
    return value;
}

class LevelChecker {
public:
    LevelChecker(const CheckContext& context, FileProblems report, const Brisk::Node& document)
        : context(context), report(std::move(report)), document(document) {}

    void Check() {
        CheckMap();
        CollectEvents();
        for (const auto& [name, event] : events)
            CheckEvent(name, *event);
        CheckReachable();
        if (created > Vorn::LevelLimits::maxCreatedObjects)
            report(std::string(Names::level), Text("more than ", Vorn::LevelLimits::maxCreatedObjects,
                                                   " objects; the rest are not created"));
    }

private:
    void CheckMap() {
        const Brisk::Node* level = document.FindChild(std::string(Names::level));
        if (!level) {
            report(std::string(Names::level), "missing; the map is 0 by 0");
            return;
        }
        CheckAttributes(*level, "level", {Names::width, Names::height, Names::skirmish});
        for (std::string_view side : {Names::width, Names::height}) {
            const Brisk::Attribute* attribute = Find(*level, side);
            const auto value = attribute ? NumberOf(attribute->value) : std::nullopt;
            if (!value || !(*value > 0 && *value <= 65536))
                report(Text("level/", side), "must be a number above 0 and at most 65536");
        }
        CheckSkirmish(*level);
    }

    // Without the attribute the game fields its 256.
    void CheckSkirmish(const Brisk::Node& level) {
        const Brisk::Attribute* attribute = Find(level, Names::skirmish);
        if (!attribute)
            return;
        const auto value = NumberOf(attribute->value);
        if (!value || !(*value >= 0 && *value <= Vorn::largestSkirmish) || *value != std::floor(*value))
            report(Text("level/", Names::skirmish),
                   Text("must be a whole number from 0 to ", Vorn::largestSkirmish));
    }

    void CollectEvents() {
        for (const Brisk::Node& element : document.children) {
            if (element.name == Names::level)
                continue;
            if (element.name == Names::info) {
                CheckInfo(element);
                continue;
            }
            if (element.name == Names::ground) {
                CheckGround(element);
                continue;
            }
            if (element.name != Names::event) {
                report(element.name, "unknown element; ignored");
                continue;
            }
            CheckAttributes(element, "event", {Names::name});
            const Brisk::Attribute* name = Find(element, Names::name);
            if (!name)
                report("event", "without \"name\"; it never runs");
            else if (!events.try_emplace(name->value, &element).second)
                report(Text("event ", name->value), "a second event of this name; only the first ever runs");
        }
        if (!events.count(std::string(Names::startEvent)))
            report(Text("event ", Names::startEvent), "missing; the level places nothing");
    }

    // The start screen shows the first "info" only; an empty title would leave a blank line in its list.
    void CheckInfo(const Brisk::Node& info) {
        if (seenInfo) {
            report(std::string(Names::info), "a second info element; only the first is shown");
            return;
        }
        seenInfo = true;
        CheckAttributes(info, "info", {Names::title, Names::description, Names::briefing});
        const Brisk::Attribute* title = Find(info, Names::title);
        if (title && title->value.find_first_not_of(" \t") == std::string::npos)
            report(Text("info/", Names::title), "empty; the file's name is shown instead");
    }

    void CheckEvent(const std::string& name, const Brisk::Node& event) {
        std::vector<TankSpot> tanks;
        for (const Brisk::Node& action : event.children) {
            const std::string path = Text("event ", name, "/", action.name);
            const auto known = actionAttributes.find(action.name);
            if (known == actionAttributes.end()) {
                report(path, "unknown action; ignored");
                continue;
            }
            CheckAttributes(action, path, known->second);
            if (action.name == Names::newObjects)
                CheckNew(path, action, tanks);
            else if (action.name == Names::destroy)
                CheckDestroy(path, action);
            else if (action.name == Names::request)
                CheckRequest(name, path, action);
            else if (action.name == Names::cancel)
                CheckNamesEvent(path, action, Names::requestEvent);
            else if (action.name == Names::order)
                CheckOrder(path, action);
            else if (action.name == Names::commander)
                CheckCommander(path, action);
            else if (action.name == Names::message)
                CheckMessage(path, action);
            else if (action.name == Names::objective)
                CheckObjective(path, action);
            else if (action.name == Names::camera || action.name == Names::reveal)
                CheckPointAction(path, action);
        }
    }

    struct TankSpot {
        double x, y, size;
        std::string path;
    };

    void CheckNew(const std::string& path, const Brisk::Node& action, std::vector<TankSpot>& tanks) {
        for (const Brisk::Node& object : action.children) {
            const std::string objectPath = Text(path, "/", object.name);
            const auto known = objectAttributes.find(object.name);
            if (known == objectAttributes.end()) {
                report(objectPath, "unknown object; ignored");
                continue;
            }
            ++created;
            Attributes allowed = commonAttributes;
            allowed.insert(known->second.begin(), known->second.end());
            CheckAttributes(object, objectPath, allowed);
            CheckObject(objectPath, object);
            if (object.name == Names::tank)
                CheckTankSpot(objectPath, object, tanks);
        }
    }

    void CheckObject(const std::string& path, const Brisk::Node& object) {
        const std::string& kind = object.name;
        Require(path, object, Names::type);
        if (kind == Names::tank || kind == Names::tower)
            Require(path, object, Names::turret);
        if (kind == Names::tank)
            Require(path, object, Names::armor);
        CheckKeywords(path, object);
        if (kind != Names::obstacle)
            CheckColour(path, object, true);
        if (kind == Names::tank || kind == Names::tower) {
            CheckGroup(path, object, true);
            CheckCallsignNumber(path, object, true);
        }
        for (std::string_view coordinate : {Names::x, Names::y, Names::randomScatter})
            CheckCoordinate(path, object, coordinate);
        if (kind == Names::tank)
            CheckTankWaypoint(path, object);
        if (kind == Names::obstacle)
            CheckObstacleRadius(path, object);
        if (const Brisk::Attribute* direction = Find(object, Names::direction);
            direction && direction->value != Names::randomDirection) {
            const auto value = NumberOf(direction->value);
            if (!value || !std::isfinite(*value))
                report(Text(path, "/", Names::direction), Text("\"", direction->value, "\" is not a number ",
                                                               "(only \"random\" draws a heading)"));
        }
        if (kind == Names::obstacle)
            if (const Brisk::Attribute* size = Find(object, Names::size)) {
                const auto value = NumberOf(size->value);
                if (!value || !(*value >= 0 && *value <= Vorn::LevelLimits::maxObstacleSizeFactor))
                    report(Text(path, "/", Names::size),
                           "must be a number from 0 to 100; the obstacle is skipped");
            }
        if (kind == Names::tank &&
            (Find(object, Names::toX) != nullptr) != (Find(object, Names::toY) != nullptr))
            report(path, "\"to_x\" and \"to_y\" go together; the tank gets no waypoint");
    }

    // A waypoint the game cannot drive to is dropped; the tank is still created and stands where it is.
    void CheckTankWaypoint(const std::string& path, const Brisk::Node& tank) {
        for (std::string_view name : {Names::toX, Names::toY}) {
            const Brisk::Attribute* attribute = Find(tank, name);
            if (!attribute)
                continue;
            const auto value = NumberOf(attribute->value);
            if (!value)
                report(Text(path, "/", name), Text("\"", attribute->value, "\" is not a number"));
            else if (!(std::abs(*value) <= Vorn::LevelLimits::maxCoordinate))
                report(Text(path, "/", name),
                       "must be a finite number within 1000000 of 0; the tank gets no waypoint");
        }
    }

    // The game handles an obstacle of any radius, but one wider than a map cell makes every movement,
    // placement and hit test of the map look that much further.
    void CheckObstacleRadius(const std::string& path, const Brisk::Node& obstacle) {
        const Brisk::Attribute* size = Find(obstacle, Names::size);
        const auto factor = size ? NumberOf(size->value) : std::optional<double>(1);
        if (!factor || !(*factor >= 0 && *factor <= Vorn::LevelLimits::maxObstacleSizeFactor))
            return;
        const double radius = *factor * ObstacleTypeSize(obstacle);
        if (radius > cellSize)
            report(Text(path, "/", Names::size),
                   Text("makes a radius of ", radius, ", wider than a map cell (", cellSize,
                        "); every query near it looks that far"));
    }

    void CheckKeywords(const std::string& path, const Brisk::Node& object) {
        const std::string& kind = object.name;
        static const std::map<std::string_view, std::span<const TypeKeyword>> typeTables = {
            {Names::tank, tankTypeKeywords},         {Names::tower, towerTypeKeywords},
            {Names::building, buildingTypeKeywords}, {Names::obstacle, obstacleTypeKeywords},
            {Names::landmine, landmineTypeKeywords}, {Names::landmark, landmarkTypeKeywords}};
        CheckKeyword(path, object, Names::type, typeTables.at(kind));
        if (kind == Names::tank || kind == Names::tower)
            CheckKeyword(path, object, Names::turret, turretTypeKeywords);
        if (kind == Names::tank)
            CheckKeyword(path, object, Names::armor, armorTypeKeywords);
    }

    void CheckKeyword(const std::string& path, const Brisk::Node& object, std::string_view name,
                      std::span<const TypeKeyword> table) {
        const Brisk::Attribute* attribute = Find(object, name);
        if (attribute && !IsKeyword(table, attribute->value))
            report(Text(path, "/", name),
                   Text("unknown keyword \"", attribute->value, "\"; the default is used"));
    }

    void CheckTankSpot(const std::string& path, const Brisk::Node& tank, std::vector<TankSpot>& tanks) {
        const Brisk::Attribute* x = Find(tank, Names::x);
        const Brisk::Attribute* y = Find(tank, Names::y);
        if (Find(tank, Names::randomScatter))
            return;
        TankSpot spot{x ? NumberOf(x->value).value_or(0) : 0, y ? NumberOf(y->value).value_or(0) : 0,
                      ChassisSize(tank), path};
        for (const TankSpot& other : tanks)
            if (std::hypot(spot.x - other.x, spot.y - other.y) <= tankPlaceRadius + other.size) {
                report(path, Text("stands on the tank at ", other.x, ", ", other.y, "; it is dropped"));
                return;
            }
        tanks.push_back(spot);
    }

    double ChassisSize(const Brisk::Node& tank) {
        const Brisk::Attribute* type = Find(tank, Names::type);
        const int chassis = TypeOfKeyword(tankTypeKeywords, type ? type->value : "", levelTankTypeFallback);
        return RecordSize(Vorn::TypeNameOf(static_cast<Vorn::TankType>(chassis)));
    }

    double ObstacleTypeSize(const Brisk::Node& obstacle) {
        const Brisk::Attribute* type = Find(obstacle, Names::type);
        const int obstacleType =
            TypeOfKeyword(obstacleTypeKeywords, type ? type->value : "", levelObstacleTypeFallback);
        return RecordSize(
            Vorn::Constants::ConstantName(Vorn::ConstantIdOf(static_cast<Vorn::ObstacleType>(obstacleType))));
    }

    // The "size" of a record of "constants.xml", 0 when there is none.
    double RecordSize(std::string_view record) {
        if (!constants)
            constants = context.ReadDocument(Vorn::Constants::constantsFileName);
        const Brisk::Node* entry = constants ? constants->FindChild(std::string(record)) : nullptr;
        const Brisk::Node* size = entry ? entry->FindChild("size") : nullptr;
        const Brisk::Attribute* value = size ? size->FindAttribute("value") : nullptr;
        return value ? NumberOf(value->value).value_or(0) : 0;
    }

    void CheckDestroy(const std::string& path, const Brisk::Node& action) {
        for (const Brisk::Node& child : action.children) {
            const std::string childPath = Text(path, "/", child.name);
            if (child.name == Names::destroyObject) {
                CheckAttributes(child, childPath, {Names::number, Names::group});
                CheckGroup(childPath, child, true);
                CheckCallsignNumber(childPath, child, true);
            } else if (child.name == Names::destroyObstacles) {
                CheckAttributes(child, childPath, {Names::x, Names::y, Names::radius});
                for (std::string_view name : {Names::x, Names::y, Names::radius}) {
                    Require(childPath, child, name);
                    CheckCoordinate(childPath, child, name);
                }
            } else {
                report(childPath, "unknown; ignored");
            }
        }
    }

    void CheckRequest(const std::string& event, const std::string& path, const Brisk::Node& action) {
        Require(path, action, Names::when);
        CheckNamesEvent(path, action, Names::requestEvent);
        if (const Brisk::Attribute* target = Find(action, Names::requestEvent))
            edges[event].insert(target->value);
        const Brisk::Attribute* when = Find(action, Names::when);
        if (!when)
            return;
        if (when->value == Names::whenTime) {
            Require(path, action, Names::value);
            if (const Brisk::Attribute* value = Find(action, Names::value)) {
                const auto moment = NumberOf(value->value);
                if (!moment || *moment < 0 || *moment > 2147483647)
                    report(Text(path, "/", Names::value), "must be milliseconds of the level clock from 0");
            }
        } else if (when->value == Names::whenDestroyed) {
            Require(path, action, Names::color);
            CheckColour(path, action, false);
            CheckGroup(path, action, true);
            CheckCallsignNumber(path, action, true);
        } else {
            report(Text(path, "/", Names::when),
                   Text("\"", when->value, "\" is neither \"time\" nor \"destroyed\"; ",
                        "nothing is registered"));
        }
        if (const Brisk::Attribute* delay = Find(action, Names::delay)) {
            const auto value = NumberOf(delay->value);
            if (!value || *value < 0 || *value > 2147483647)
                report(Text(path, "/", Names::delay), "must be milliseconds from 0");
        }
    }

    // The game plays "normal" for a difficulty "commander.xml" lacks: the author most likely mistyped it.
    void CheckCommander(const std::string& path, const Brisk::Node& action) {
        Require(path, action, Names::color);
        CheckColour(path, action, false);
        const Brisk::Attribute* difficulty = Find(action, Names::difficulty);
        if (difficulty != nullptr && !Book().Has(difficulty->value))
            report(Text(path, "/", Names::difficulty),
                   Text("unknown difficulty \"", difficulty->value.substr(0, 40), "\"; \"",
                        Vorn::defaultDifficultyName, "\" plays"));
    }

    // The commander area reports the faults of the file itself.
    const Vorn::CommanderBook& Book() {
        if (!book) {
            std::vector<std::string> faults;
            const std::optional<Brisk::Node> file = context.ReadDocument(std::string(Vorn::commanderFileName));
            book = Vorn::CommanderBook::Read(file.value_or(Brisk::Node{}), Vorn::commanderFileName, faults);
        }
        return *book;
    }

    void CheckOrder(const std::string& path, const Brisk::Node& action) {
        for (std::string_view name : {Names::color, Names::x, Names::y})
            Require(path, action, name);
        CheckColour(path, action, false);
        CheckGroup(path, action, true);
        CheckCoordinate(path, action, Names::x);
        CheckCoordinate(path, action, Names::y);
    }

    void CheckMessage(const std::string& path, const Brisk::Node& action) {
        Require(path, action, Names::text);
        CheckText(path, action);
    }

    void CheckObjective(const std::string& path, const Brisk::Node& action) {
        Require(path, action, Names::name);
        CheckText(path, action);
        const Brisk::Attribute* state = Find(action, Names::state);
        if (state && std::find(Names::objectiveStates.begin(), Names::objectiveStates.end(), state->value) ==
                         Names::objectiveStates.end())
            report(
                Text(path, "/", Names::state),
                Text("\"", state->value, "\" is none of open, completed, failed; the action does nothing"));
    }

    // "camera" needs a point, "reveal" a circle.
    void CheckPointAction(const std::string& path, const Brisk::Node& action) {
        std::vector<std::string_view> needed = {Names::x, Names::y};
        if (action.name == Names::reveal)
            needed.push_back(Names::radius);
        for (std::string_view name : needed) {
            Require(path, action, name);
            CheckCoordinate(path, action, name);
        }
        if (const Brisk::Attribute* radius = Find(action, Names::radius))
            if (!(NumberOf(radius->value).value_or(0) > 0))
                report(Text(path, "/", Names::radius), "must be above 0; nothing is revealed");
    }

    // A text that looks like a key of texts.xml but is missing from a language is most likely a typing
    // slip: the player would read the key itself.
    void CheckText(const std::string& path, const Brisk::Node& action) {
        const Brisk::Attribute* text = Find(action, Names::text);
        if (!text)
            return;
        if (text->value.size() > Vorn::LevelLimits::maxTextLength)
            report(Text(path, "/", Names::text),
                   Text("longer than ", Vorn::LevelLimits::maxTextLength, " characters; the rest is cut"));
        if (!LooksLikeKey(text->value))
            return;
        if (!texts)
            texts = context.ReadDocument("texts.xml");
        if (!texts)
            return;
        for (const Brisk::Node& language : texts->children)
            if (!language.name.empty() && !language.FindChild(text->value))
                report(Text(path, "/", Names::text), Text("\"", text->value, "\" has no text in \"",
                                                          language.name, "\"; shown as written"));
    }

    static bool LooksLikeKey(const std::string& text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
    }

    void CheckNamesEvent(const std::string& path, const Brisk::Node& action, std::string_view attribute) {
        const Brisk::Attribute* target = Find(action, attribute);
        if (!target)
            report(path, Text("without \"", attribute, "\"; it does nothing"));
        else if (!events.count(target->value))
            report(Text(path, "/", attribute), Text("no event is named \"", target->value, "\""));
    }

    void CheckReachable() {
        std::set<std::string> reached;
        std::vector<std::string> open = {std::string(Names::startEvent)};
        while (!open.empty()) {
            const std::string name = open.back();
            open.pop_back();
            if (!events.count(name) || !reached.insert(name).second)
                continue;
            for (const std::string& next : edges[name])
                open.push_back(next);
        }
        for (const auto& [name, event] : events)
            if (!reached.count(name))
                report(Text("event ", name), "nothing requests it; it never runs");
    }

    // Only the first element counts; what it cannot read keeps the default ground.
    void CheckGround(const Brisk::Node& ground) {
        if (&ground != document.FindChild(std::string(Names::ground))) {
            report(std::string(Names::ground), "a second element; only the first counts");
            return;
        }
        CheckAttributes(ground, std::string(Names::ground),
                        {Names::groundTexture, Names::groundTint, Names::groundDetail});
        for (std::string_view name : {Names::groundTexture, Names::groundDetail})
            if (const Brisk::Attribute* attribute = Find(ground, name);
                attribute && !Vorn::IsGroundTextureName(attribute->value))
                report(Text(Names::ground, "/", name),
                       "not a texture name (letters, digits and \"_\", at most 64); the default is used");
        if (const Brisk::Attribute* tint = Find(ground, Names::groundTint);
            tint && !Vorn::ReadGroundTint(tint->value))
            report(Text(Names::ground, "/", Names::groundTint),
                   "must be written #rrggbb; the ground is not tinted");
    }

    void CheckAttributes(const Brisk::Node& element, const std::string& path, const Attributes& allowed) {
        for (const Brisk::Attribute& attribute : element.attributes)
            if (!allowed.count(attribute.name))
                report(Text(path, "/", attribute.name), "unknown attribute; ignored");
    }

    void Require(const std::string& path, const Brisk::Node& element, std::string_view name) {
        if (!Find(element, name))
            report(path, Text("\"", name, "\" is missing; the game silently skips it"));
    }

    void CheckColour(const std::string& path, const Brisk::Node& element, bool required) {
        const Brisk::Attribute* color = Find(element, Names::color);
        if (!color && required)
            report(path, "\"color\" is missing; the game silently skips it");
        else if (color && !IsSide(color->value))
            report(Text(path, "/", Names::color), Text("\"", color->value, "\" is no side"));
    }

    void CheckGroup(const std::string& path, const Brisk::Node& element, bool required) {
        const Brisk::Attribute* group = Find(element, Names::group);
        if (!group && required)
            report(path, "\"group\" is missing; the game silently skips it");
        else if (group && group->value.empty())
            report(Text(path, "/", Names::group), "empty; it names no unit");
    }

    void CheckCallsignNumber(const std::string& path, const Brisk::Node& element, bool required) {
        const Brisk::Attribute* number = Find(element, Names::number);
        if (!number) {
            if (required)
                report(path, "\"number\" is missing; the game silently skips it");
            return;
        }
        const auto value = NumberOf(number->value);
        if (!value || *value < 1 || *value > 65535 || *value != std::floor(*value))
            report(Text(path, "/", Names::number), "must be a whole number from 1 to 65535");
    }

    void CheckCoordinate(const std::string& path, const Brisk::Node& element, std::string_view name) {
        const Brisk::Attribute* attribute = Find(element, name);
        if (!attribute)
            return;
        const auto value = NumberOf(attribute->value);
        if (!value || !(std::abs(*value) <= Vorn::LevelLimits::maxCoordinate))
            report(Text(path, "/", name), "must be a number within 1000000 of 0");
    }

    const CheckContext& context;
    FileProblems report;
    const Brisk::Node& document;
    std::map<std::string, const Brisk::Node*> events;
    std::map<std::string, std::set<std::string>> edges;
    std::optional<Brisk::Node> constants;
    std::optional<Vorn::CommanderBook> book;
    std::optional<Brisk::Node> texts;
    std::size_t created = 0;
    bool seenInfo = false;
};

} // namespace

// The campaign's list: entries the game leaves out, and levels it names that are not there.
void CheckCampaign(const CheckContext& context, Problems& problems) {
    const std::string file = Vorn::CampaignNames::file;
    const std::optional<Brisk::Node> document = context.ReadDocument(file);
    if (!document)
        return;
    const Vorn::CampaignReading reading = Vorn::ReadCampaign(*document);
    for (const std::string& problem : reading.problems)
        problems.Report(context.FileLabel(file), "level", problem.substr(problem.find(": ") + 2));
    for (const std::string& level : reading.campaign.levels)
        if (std::error_code error; !std::filesystem::is_regular_file(context.PathOf(level), error))
            problems.Report(context.FileLabel(file), "level", Text("\"", level, "\" is no level file"));
}

void CheckLevels(const CheckContext& context, Problems& problems) {
    CheckCampaign(context, problems);
    const std::filesystem::path folder = context.PathOf("levels");
    const std::string first = "levels/level0.xml";
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            names.push_back("levels/" + entry.path().filename().string());
    std::sort(names.begin(), names.end());
    if (std::find(names.begin(), names.end(), first) == names.end())
        problems.Report(context.FileLabel(first), "level", "missing; the game starts this level");
    for (const std::string& name : names) {
        const std::optional<Brisk::Node> document = context.ReadDocument(name);
        FileProblems report(context.FileLabel(name), problems);
        if (!document) {
            report("level", "cannot be read");
            continue;
        }
        LevelChecker(context, report, *document).Check();
    }
}

} // namespace check
