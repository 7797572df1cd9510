// The levels' tanks against what their chassis carries: the factory's panel never builds an overloaded
// tank, but a level can place one, and it crawls across the map at a fraction of its speed.
#include "datafiles/Node.h"
#include "game/LevelNames.h"
#include "game/LevelObjectReader.h"
#include "rules/CarrierLoad.h"
#include "rules/ConstantsLoader.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/Text.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace check {
namespace {

namespace Names = Vorn::LevelNames;

std::vector<std::string> LevelFiles(const CheckContext& context) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(context.PathOf("levels"), error))
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            names.push_back("levels/" + entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ValueOf(const Brisk::Node& element, std::string_view name) {
    const Brisk::Attribute* attribute = element.FindAttribute(std::string(name));
    return attribute ? attribute->value : "";
}

// " Blue A2", so the tank can be told from its neighbours in the same action.
std::string CallsignOf(const Brisk::Node& tank) {
    return Text(" ", ValueOf(tank, Names::color), " ", ValueOf(tank, Names::group),
                ValueOf(tank, Names::number));
}

// The game creates no tank without a type, a turret and an armour; the levels area reports those.
bool Describes(const Brisk::Node& tank) {
    for (std::string_view name : {Names::type, Names::turret, Names::armor})
        if (tank.FindAttribute(std::string(name)) == nullptr)
            return false;
    return true;
}

void CheckTank(const Vorn::Constants::ConstantsTable& table, const Brisk::Node& tank, const std::string& path,
               const FileProblems& report) {
    const Vorn::TankDesign design = Vorn::TankDesignOf(tank);
    if (Vorn::Fits(design.chassis, design.armor, design.turret, table))
        return;
    const int armour = Vorn::WeightOf(design.armor, table);
    const int turret = Vorn::WeightOf(design.turret, table);
    report(path + CallsignOf(tank),
           Text(Vorn::TypeNameOf(design.armor), " (", armour, ") and ", Vorn::TypeNameOf(design.turret), " (",
                turret, ") weigh ", armour + turret, ", more than ", Vorn::TypeNameOf(design.chassis),
                " carries (", Vorn::MaxLoadOf(design.chassis, table),
                "): the factory would refuse this tank, and it crawls"));
}

void CheckLevelTanks(const Vorn::Constants::ConstantsTable& table, const Brisk::Node& level,
                     const FileProblems& report) {
    for (const Brisk::Node& event : level.children) {
        const Brisk::Attribute* name = event.FindAttribute(std::string(Names::name));
        if (event.name != Names::event || name == nullptr)
            continue;
        for (const Brisk::Node& action : event.children) {
            if (action.name != Names::newObjects)
                continue;
            for (const Brisk::Node& object : action.children)
                if (object.name == Names::tank && Describes(object))
                    CheckTank(table, object, Text("event ", name->value, "/", action.name, "/", object.name),
                              report);
        }
    }
}

} // namespace

void CheckTankLoads(const CheckContext& context, Problems& problems) {
    const std::optional<Brisk::Node> constants = context.ReadDocument(Vorn::Constants::constantsFileName);
    if (!constants)
        return; // the constants area reports the missing file
    Vorn::Constants::ConstantsTable table;
    Vorn::Constants::LoadConstantsFrom(*constants, table);
    for (const std::string& name : LevelFiles(context))
        if (const std::optional<Brisk::Node> level = context.ReadDocument(name))
            CheckLevelTanks(table, *level, FileProblems(context.FileLabel(name), problems));
}

} // namespace check
