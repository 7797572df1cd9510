// "commander.xml": every fault of the reader, designs and towers their carriers cannot carry, and build
// orders with which a commander never fields a tank.
#include "commander/CommanderBook.h"
#include "rules/CarrierLoad.h"
#include "rules/ConstantsLoader.h"
#include "tools/sector-clash-check/CheckAreas.h"

#include <algorithm>

namespace check {

namespace {

constexpr const char* roleNames[] = {"line", "anti_armour", "anti_tower", "scout"};

void CheckLoads(const Vorn::Difficulty& difficulty, const Vorn::Constants::ConstantsTable& table,
                const FileProblems& report) {
    const std::string where = "difficulty " + difficulty.name;
    for (int role = 0; role < Vorn::designRoleCount; ++role) {
        const Vorn::TankOrder& design = difficulty.production.designs[static_cast<std::size_t>(role)];
        if (!Vorn::Fits(design.chassis, design.armor, table) ||
            !Vorn::Fits(design.chassis, design.armor, design.turret, table))
            report(where + "/design " + roleNames[role],
                   "its chassis cannot carry its armour and turret: the line design is built instead");
    }
    if (!Vorn::Fits(difficulty.defence.tower, difficulty.defence.towerTurret, table))
        report(where + "/defence", "the tower cannot carry its turret: no towers are built");
}

void CheckBuildOrder(const Vorn::Difficulty& difficulty, const FileProblems& report) {
    const auto& order = difficulty.economy.buildOrder;
    if (std::find(order.begin(), order.end(), Vorn::BuildingType::TankFactory) == order.end())
        report("difficulty " + difficulty.name + "/build_order",
               "no factory: this commander fields no tanks unless it has money beyond expand_above");
}

} // namespace

void CheckCommanderFile(const CheckContext& context, Problems& problems) {
    const std::string name(Vorn::commanderFileName);
    const FileProblems report(context.FileLabel(name), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(name);
    if (!document) {
        report("", "missing: every commander plays the built-in difficulty");
        return;
    }
    std::vector<std::string> faults;
    const Vorn::CommanderBook book = Vorn::CommanderBook::Read(*document, context.FileLabel(name), faults);
    // The reader's lines read "FILE: <difficulty ...>: <element>: reason"; the checker's columns are split.
    const std::string label = context.FileLabel(name) + ": ";
    for (const std::string& fault : faults) {
        const std::string rest = fault.substr(std::min(label.size(), fault.size()));
        const std::size_t split = rest.rfind(">: ");
        if (split == std::string::npos)
            report("", rest);
        else
            report(rest.substr(0, split + 1), rest.substr(split + 3));
    }
    if (!book.Has(Vorn::defaultDifficultyName))
        report("",
               "no difficulty \"normal\": levels and tools that ask for an unknown one get the built-in one");
    const std::optional<Brisk::Node> constants = context.ReadDocument(Vorn::Constants::constantsFileName);
    Vorn::Constants::ConstantsTable table;
    if (constants)
        Vorn::Constants::LoadConstantsFrom(*constants, table);
    for (const Vorn::Difficulty& difficulty : book.Difficulties()) {
        if (constants)
            CheckLoads(difficulty, table, report);
        CheckBuildOrder(difficulty, report);
    }
}

} // namespace check
