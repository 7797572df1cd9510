// Reading "commander.xml": every attribute within its range or reported, every fault on one line.
#include "commander/CommanderBook.h"

#include "datafiles/DataArchive.h"
#include "datafiles/TypeKeywords.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace Vorn {

namespace {

// The file is a few kilobytes; anything this large is not a commander file.
constexpr std::uintmax_t maxFileBytes = 1u << 20;

constexpr TypeKeyword roleKeywords[] = {
    {"line", static_cast<int>(DesignRole::Line)},
    {"anti_armour", static_cast<int>(DesignRole::AntiArmour)},
    {"anti_tower", static_cast<int>(DesignRole::AntiTower)},
    {"scout", static_cast<int>(DesignRole::Scout)},
};

// Where a fault lies, and the list it goes to.
struct Reader {
    std::string_view fileName;
    std::vector<std::string>& faults;
    std::string where;

    void Fault(std::string_view element, std::string_view reason) const {
        faults.push_back(std::string(fileName) + ": " + where + "<" + std::string(element) +
                         ">: " + std::string(reason));
    }
};

// A number within [low, high]; a missing attribute keeps the value, a wrong one is reported and kept.
template <class Number>
void ReadNumber(const Reader& reader, const Brisk::Node& element, const char* name, double low, double high,
                Number& value) {
    const Brisk::Attribute* attribute = element.FindAttribute(name);
    if (attribute == nullptr)
        return;
    char* end = nullptr;
    const double number = std::strtod(attribute->value.c_str(), &end);
    const bool whole = end != attribute->value.c_str() && *end == '\0' && std::isfinite(number);
    if (!whole || number < low || number > high) {
        reader.Fault(element.name, std::string(name) + "=\"" + attribute->value.substr(0, 40) +
                                       "\" is not a number from " + std::to_string(low) + " to " +
                                       std::to_string(high));
        return;
    }
    value = static_cast<Number>(number);
}

// A keyword of the table; an unknown one is reported and the value kept.
template <class Type>
void ReadKeyword(const Reader& reader, const Brisk::Node& element, const char* name,
                 std::span<const TypeKeyword> table, Type& value) {
    const Brisk::Attribute* attribute = element.FindAttribute(name);
    if (attribute == nullptr)
        return;
    const int found = TypeOfKeyword(table, attribute->value, -1);
    if (found < 0)
        return reader.Fault(element.name, std::string(name) + "=\"" + attribute->value.substr(0, 40) +
                                              "\" is no known keyword");
    value = static_cast<Type>(found);
}

void ReadThink(const Reader& reader, const Brisk::Node& element, ThinkTimes& think) {
    constexpr double low = 50;
    constexpr double high = 60000;
    ReadNumber(reader, element, "sight", low, high, think.sightMs);
    ReadNumber(reader, element, "economy", low, high, think.economyMs);
    ReadNumber(reader, element, "production", low, high, think.productionMs);
    ReadNumber(reader, element, "defence", low, high, think.defenceMs);
    ReadNumber(reader, element, "scouting", low, high, think.scoutingMs);
    ReadNumber(reader, element, "attack", low, high, think.attackMs);
}

void ReadBuildOrder(const Reader& reader, const Brisk::Node& element, EconomyPlan& economy) {
    economy.buildOrder.clear();
    for (const Brisk::Node& child : element.children) {
        if (child.name != "building") {
            reader.Fault(child.name, "a build order holds only <building type=\"...\"/>");
            continue;
        }
        if (economy.buildOrder.size() >= CommanderLimits::maxBuildOrder) {
            reader.Fault(child.name, "more than " + std::to_string(CommanderLimits::maxBuildOrder) +
                                         " buildings: the rest are ignored");
            return;
        }
        BuildingType type = BuildingType::Base;
        const Brisk::Attribute* attribute = child.FindAttribute("type");
        if (attribute == nullptr || TypeOfKeyword(buildingTypeKeywords, attribute->value, -1) < 0) {
            reader.Fault(child.name, "needs a building type (power, factory, mine, ...)");
            continue;
        }
        ReadKeyword(reader, child, "type", buildingTypeKeywords, type);
        economy.buildOrder.push_back(type);
    }
}

void ReadEconomy(const Reader& reader, const Brisk::Node& element, EconomyPlan& economy) {
    ReadNumber(reader, element, "mines", 0, 32, economy.maxMines);
    ReadNumber(reader, element, "recyclers", 0, 8, economy.maxRecyclers);
    ReadNumber(reader, element, "outposts", 0, 8, economy.maxOutposts);
    ReadNumber(reader, element, "factories", 1, 8, economy.maxFactories);
    ReadNumber(reader, element, "expand_above", 0, 1e9, economy.expandAbove);
}

void ReadProduction(const Reader& reader, const Brisk::Node& element, ProductionPlan& production) {
    ReadNumber(reader, element, "max_tanks", 0, 1000, production.maxTanks);
    ReadNumber(reader, element, "reserve", 0, 1e9, production.reserve);
}

void ReadDesign(const Reader& reader, const Brisk::Node& element, ProductionPlan& production) {
    const Brisk::Attribute* role = element.FindAttribute("role");
    const int index = role != nullptr ? TypeOfKeyword(roleKeywords, role->value, -1) : -1;
    if (index < 0)
        return reader.Fault(element.name, "needs a role: line, anti_armour, anti_tower or scout");
    TankOrder& design = production.designs[static_cast<std::size_t>(index)];
    ReadKeyword(reader, element, "chassis", tankTypeKeywords, design.chassis);
    ReadKeyword(reader, element, "armor", armorTypeKeywords, design.armor);
    ReadKeyword(reader, element, "turret", turretTypeKeywords, design.turret);
}

void ReadDefence(const Reader& reader, const Brisk::Node& element, DefencePlan& defence) {
    ReadNumber(reader, element, "towers", 0, 32, defence.towers);
    ReadKeyword(reader, element, "tower", towerTypeKeywords, defence.tower);
    ReadKeyword(reader, element, "turret", turretTypeKeywords, defence.towerTurret);
    ReadNumber(reader, element, "landmines", 0, 64, defence.landmines);
    ReadKeyword(reader, element, "landmine", landmineTypeKeywords, defence.landmine);
    ReadNumber(reader, element, "guard_radius", 0, 10000, defence.guardRadius);
    ReadNumber(reader, element, "most_towers", 0, 64, defence.mostTowers);
    ReadNumber(reader, element, "hold_margin", 0, 100, defence.holdMargin);
}

void ReadAttack(const Reader& reader, const Brisk::Node& element, AttackPlan& attack) {
    ReadNumber(reader, element, "group", 1, 200, attack.groupSize);
    ReadNumber(reader, element, "margin", 0.1, 100, attack.margin);
    ReadNumber(reader, element, "retreat", 0, 1, attack.retreatBelow);
    ReadNumber(reader, element, "rejoin", 0, 1, attack.rejoinAt);
    ReadNumber(reader, element, "first", 0, 1e9, attack.firstAttackMs);
    if (attack.rejoinAt < attack.retreatBelow) {
        reader.Fault(element.name,
                     "rejoin is below retreat: tanks would never come back; rejoin taken as retreat");
        attack.rejoinAt = attack.retreatBelow;
    }
}

using PartReader = std::function<void(const Reader&, const Brisk::Node&, Difficulty&)>;

struct Part {
    const char* element;
    PartReader read;
};

const Part parts[] = {
    {"think", [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadThink(r, e, d.think); }},
    {"build_order",
     [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadBuildOrder(r, e, d.economy); }},
    {"economy", [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadEconomy(r, e, d.economy); }},
    {"production",
     [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadProduction(r, e, d.production); }},
    {"design", [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadDesign(r, e, d.production); }},
    {"defence", [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadDefence(r, e, d.defence); }},
    {"attack", [](const Reader& r, const Brisk::Node& e, Difficulty& d) { ReadAttack(r, e, d.attack); }},
    {"scouting", [](const Reader& r, const Brisk::Node& e,
                    Difficulty& d) { ReadNumber(r, e, "scouts", 0, 8, d.scouts); }},
};

const Part* PartNamed(const std::string& name) {
    for (const Part& part : parts)
        if (name == part.element)
            return &part;
    return nullptr;
}

bool ValidName(const std::string& name) {
    return !name.empty() && name.size() <= CommanderLimits::maxNameLength;
}

} // namespace

Difficulty CommanderBook::BuiltInDifficulty() {
    Difficulty difficulty;
    difficulty.economy.buildOrder = {
        BuildingType::PowerPlant, BuildingType::TankFactory, BuildingType::Mine,      BuildingType::Defense,
        BuildingType::PowerPlant, BuildingType::Armory,      BuildingType::RepairShop};
    auto& designs = difficulty.production.designs;
    designs[static_cast<int>(DesignRole::Line)] = {TankType::LightTank, TurretType::Cannon2,
                                                   ArmorType::LightArmor};
    designs[static_cast<int>(DesignRole::AntiArmour)] = {TankType::MediumTank, TurretType::Rockets2,
                                                         ArmorType::AdvancedArmor};
    designs[static_cast<int>(DesignRole::AntiTower)] = {TankType::HeavyTank, TurretType::RocketsL,
                                                        ArmorType::AdvancedArmor};
    designs[static_cast<int>(DesignRole::Scout)] = {TankType::ScoutTank, TurretType::Gun1,
                                                    ArmorType::NoArmor};
    return difficulty;
}

CommanderBook CommanderBook::Read(const Brisk::Node& document, std::string_view fileName,
                                  std::vector<std::string>& faults) {
    CommanderBook book;
    Reader top{fileName, faults, ""};
    for (const Brisk::Node& element : document.children) {
        if (element.name != "difficulty") {
            top.Fault(element.name, "unknown element (the file holds <difficulty name=\"...\"> elements)");
            continue;
        }
        const Brisk::Attribute* name = element.FindAttribute("name");
        if (name == nullptr || !ValidName(name->value)) {
            top.Fault(element.name, "needs a name of 1 to 32 characters");
            continue;
        }
        if (book.Has(name->value)) {
            top.Fault(element.name, "\"" + name->value + "\" is named twice: the second is ignored");
            continue;
        }
        if (book.difficulties.size() >= CommanderLimits::maxDifficulties) {
            top.Fault(element.name, "more than 16 difficulties: the rest are ignored");
            break;
        }
        Difficulty difficulty = BuiltInDifficulty();
        difficulty.name = name->value;
        const Reader reader{fileName, faults, "<difficulty name=\"" + name->value + "\">: "};
        for (const Brisk::Node& child : element.children) {
            if (const Part* part = PartNamed(child.name))
                part->read(reader, child, difficulty);
            else
                reader.Fault(child.name, "unknown element");
        }
        book.difficulties.push_back(std::move(difficulty));
    }
    return book;
}

const Difficulty& CommanderBook::Find(std::string_view name) const {
    for (const Difficulty& difficulty : difficulties)
        if (difficulty.name == name)
            return difficulty;
    for (const Difficulty& difficulty : difficulties)
        if (difficulty.name == defaultDifficultyName)
            return difficulty;
    return builtIn;
}

bool CommanderBook::Has(std::string_view name) const {
    for (const Difficulty& difficulty : difficulties)
        if (difficulty.name == name)
            return true;
    return false;
}

CommanderBook LoadCommanderBook(std::vector<std::string>& faults) {
    const std::filesystem::path path = std::filesystem::path(dataArchive.Folder()) / commanderFileName;
    const std::string shown = path.string();
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error) {
        faults.push_back(shown + ": cannot be read: the built-in commander plays");
        return CommanderBook::Read(Brisk::Node{}, shown, faults);
    }
    if (bytes > maxFileBytes) {
        faults.push_back(shown + ": larger than 1 MiB: the built-in commander plays");
        return CommanderBook::Read(Brisk::Node{}, shown, faults);
    }
    Brisk::Node document;
    std::vector<Brisk::NestingRepair> repairs;
    document.LoadFile(shown, repairs);
    for (const Brisk::NestingRepair& repair : repairs)
        faults.push_back(shown + ":" + std::to_string(repair.line) + ": <" + repair.element.substr(0, 40) +
                         ">: " + Brisk::Describe(repair));
    return CommanderBook::Read(document, shown, faults);
}

} // namespace Vorn
