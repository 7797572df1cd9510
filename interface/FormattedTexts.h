// The texts of "texts.xml" that the interface uses as printf formats, with the arguments the code passes
// to each: the info box checks its formats against these when it is made, the data checker every language.
#pragma once

#include <span>
#include <string_view>

namespace Vorn {

struct FormattedText {
    std::string_view key;
    // One letter per argument, in order: 'd' an int, 'f' a double, 's' a string (see FormatTakes).
    std::string_view kinds;
};

// The info box's formats, indexed by InfoText.
enum class InfoText {
    GlobalMoney,
    GlobalEnergy,
    GlobalAmmo,
    GlobalPoints,
    UnitArmor,
    UnitAmmo,
    UnitStatus,
    ArmoryStatus,
    GroupPlatoon,
    GroupGroup,
    GroupNumber,
    GroupArmor,
    GroupAmmo,
    Count
};

inline constexpr FormattedText infoTexts[] = {
    {"infobox_global_money", "d"},  {"infobox_global_energy", "f"},  {"infobox_global_ammo", "f"},
    {"infobox_global_points", "d"}, {"infobox_unit_armor", "fdd"},   {"infobox_unit_ammo", "fdd"},
    {"infobox_unit_status", "s"},   {"infobox_armory_status", "ff"}, {"infobox_group_platoon", "s"},
    {"infobox_group_group", ""},    {"infobox_group_number", "dd"},  {"infobox_group_armor", "f"},
    {"infobox_group_ammo", "f"}};
static_assert(std::size(infoTexts) == static_cast<std::size_t>(InfoText::Count));

// Every formatted text of the interface; the data checker walks this list.
std::span<const FormattedText> FormattedTexts();

} // namespace Vorn
