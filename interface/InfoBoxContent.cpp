// What the info box says about the selection or the player's side.
#include "interface/InfoBoxContent.h"

#include "datafiles/CallsignTable.h"
#include "datafiles/SideNames.h"
#include "datafiles/TextTable.h"
#include "rules/BuildingData.h"
#include "rules/TurretData.h"
#include "world/Armory.h"
#include "world/Building.h"
#include "world/CallsignText.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cmath>
#include <cstdio>

namespace Vorn {

namespace {

// Hit points shown as whole numbers; what no int can hold shows as 0 rather than overflowing.
int WholeNumber(float value) {
    const float rounded = std::round(value);
    return std::isfinite(rounded) && std::fabs(rounded) < 2.0e9f ? static_cast<int>(rounded) : 0;
}

double Percent(float current, float maximum) {
    return maximum > 0 ? 100.0 * current / maximum : 0.0;
}


bool NeedsPower(const Building& building) {
    return building.record && building.record->powerPlantRange > 0.1f;
}

// The letter all selected objects share, or 0 when they do not share one.
char SharedCallsignLetter(std::span<Object* const> selection) {
    char letter = 0;
    for (const Object* object : selection) {
        const auto* callsign = dynamic_cast<const ICallsign*>(object);
        if (!callsign || callsign->letter == 0 || (letter != 0 && callsign->letter != letter)) {
            return 0;
        }
        letter = callsign->letter;
    }
    return letter;
}

} // namespace

InfoBoxContent::InfoBoxContent() {
    for (std::size_t index = 0; index < formats.size(); ++index) {
        formats[index] = TextFormat(textTable.TextOf(std::string(infoTexts[index].key)),
                                    std::string(infoTexts[index].kinds));
    }
}

InfoBoxTexts InfoBoxContent::Compose(World& world, const SideTable& sides,
                                     std::span<Object* const> selection) {
    if (selection.empty()) {
        return ComposeSide(world, sides);
    }
    if (selection.size() == 1) {
        return ComposeUnit(world, *selection.front());
    }
    return ComposeGroup(selection);
}

InfoBoxTexts InfoBoxContent::ComposeSide(World& world, const SideTable& sides) {
    const int side = sides.playerSide;
    const SideRecord& record = sides[side];
    CountTotals(world, side);
    const std::string colourName = side >= 0 && side < static_cast<int>(sideNames.size())
                                       ? textTable.TextOf(std::string(sideNames[side]))
                                       : "";
    char title[textLimit + 1];
    std::snprintf(title, sizeof title, "%s (%s)", record.name.c_str(), colourName.c_str());
    InfoBoxTexts texts;
    texts.title = title;
    texts.lines[0] = FormatOf(InfoText::GlobalMoney).Format(textLimit, record.money);
    texts.lines[1] = FormatOf(InfoText::GlobalEnergy).Format(textLimit, totals.energy);
    texts.lines[2] = FormatOf(InfoText::GlobalAmmo).Format(textLimit, totals.ammunition);
    texts.lines[3] = FormatOf(InfoText::GlobalPoints).Format(textLimit, record.points);
    return texts;
}

void InfoBoxContent::CountTotals(World& world, int side) {
    totals = SideTotals{};
    if (side < 0 || side >= sideCount) {
        return;
    }
    int needingPower = 0;
    int powered = 0;
    for (const auto& [key, cell] : world.Objects(side, KindBuilding).Cells()) {
        for (Object* object : cell) {
            const auto* building = dynamic_cast<const Building*>(object);
            if (building && NeedsPower(*building)) {
                ++needingPower;
                powered += world.IsPowered(*building) ? 1 : 0;
            }
            if (const auto* armory = dynamic_cast<const Armory*>(object)) {
                totals.ammunition += armory->Load();
            }
        }
    }
    totals.energy = needingPower > 0 ? 100.0 * powered / needingPower : 100.0;
}

InfoBoxTexts InfoBoxContent::ComposeUnit(World& world, const Object& object) const {
    InfoBoxTexts texts;
    texts.title = CallsignText(&object).substr(0, textLimit);
    const HitPoints hitPoints = object.Health().value_or(HitPoints{});
    texts.lines[0] = FormatOf(InfoText::UnitArmor)
                         .Format(textLimit, Percent(hitPoints.current, hitPoints.maximum),
                                 WholeNumber(hitPoints.current), WholeNumber(hitPoints.maximum));
    if (const auto* armed = dynamic_cast<const ArmedObject*>(&object)) {
        const Turret* turret = armed->turret.get();
        const int ammunition = turret ? turret->ammunition : 0;
        const int maximum = turret && turret->record ? turret->record->maxAmmo : 0;
        texts.lines[1] = FormatOf(InfoText::UnitAmmo)
                             .Format(textLimit, armed->AmmoFraction() * 100.0, ammunition, maximum);
        char experience[textLimit + 1];
        std::snprintf(experience, sizeof experience, "debug xp: %d",
                      turret ? turret->brain.ExperienceLevel() : 0);
        texts.lines[3] = experience;
    }
    // Towers need power as buildings do: for them the status takes the ammunition's line.
    const auto* building = dynamic_cast<const Building*>(&object);
    const auto* tower = dynamic_cast<const Tower*>(&object);
    if (building || tower) {
        const bool powered = building ? world.IsPowered(*building) : tower->IsPowered();
        const char* status = powered ? "infobox_unit_status_power" : "infobox_unit_status_nopower";
        texts.lines[1] = FormatOf(InfoText::UnitStatus).Format(textLimit, textTable.TextOf(status).c_str());
    }
    if (const auto* armory = dynamic_cast<const Armory*>(&object)) {
        texts.lines[2] =
            FormatOf(InfoText::ArmoryStatus)
                .Format(textLimit, armory->LoadFraction() * 100.0, static_cast<double>(armory->Load()));
    }
    return texts;
}

InfoBoxTexts InfoBoxContent::ComposeGroup(std::span<Object* const> selection) const {
    InfoBoxTexts texts;
    if (const char letter = SharedCallsignLetter(selection)) {
        texts.title =
            FormatOf(InfoText::GroupPlatoon).Format(textLimit, callsignTable.CallsignWord(letter).c_str());
    } else {
        texts.title = FormatOf(InfoText::GroupGroup).Format(textLimit);
    }
    int towers = 0;
    double armour = 0;
    double ammunition = 0;
    for (const Object* object : selection) {
        towers += dynamic_cast<const Tower*>(object) ? 1 : 0;
        if (const auto* info = dynamic_cast<const IInfo*>(object)) {
            armour += info->ArmorFraction();
            ammunition += info->AmmoFraction();
        }
    }
    const double count = static_cast<double>(selection.size());
    const int others = static_cast<int>(selection.size()) - towers;
    texts.lines[0] = FormatOf(InfoText::GroupNumber).Format(textLimit, others, towers);
    // The shipped texts show percentages, so the mean fractions are given as such.
    texts.lines[1] = FormatOf(InfoText::GroupArmor).Format(textLimit, 100.0 * armour / count);
    texts.lines[2] = FormatOf(InfoText::GroupAmmo).Format(textLimit, 100.0 * ammunition / count);
    return texts;
}

} // namespace Vorn
