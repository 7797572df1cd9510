// What the info box says: the selection's title and four lines, or the player's side totals when nothing
// is selected. Headless: it reads the world and the texts, and draws nothing.
#pragma once

#include "interface/FormattedTexts.h"
#include "interface/TextFormat.h"

#include <array>
#include <span>
#include <string>

namespace Vorn {

class Object;
class SideTable;
class World;

struct InfoBoxTexts {
    std::string title;
    std::array<std::string, 4> lines;
};

// The player's energy and ammunition, worked out whenever the empty selection is shown; the main panel
// reads them too.
struct SideTotals {
    // Percent of the buildings that need power which have it; 100 when none needs it.
    double energy = 100;
    // The load of every armory of the side.
    double ammunition = 0;
};

class InfoBoxContent {
public:
    // Each text is cut to this many characters.
    static constexpr std::size_t textLimit = 63;

    // Reads and checks the formats from the text table; a format that does not take its arguments is
    // shown as written.
    InfoBoxContent();

    // The selection holds live objects only.
    InfoBoxTexts Compose(World& world, const SideTable& sides, std::span<Object* const> selection);
    const SideTotals& Totals() const { return totals; }
    const TextFormat& FormatOf(InfoText text) const { return formats[static_cast<std::size_t>(text)]; }

private:
    InfoBoxTexts ComposeSide(World& world, const SideTable& sides);
    InfoBoxTexts ComposeUnit(World& world, const Object& object) const;
    InfoBoxTexts ComposeGroup(std::span<Object* const> selection) const;
    void CountTotals(World& world, int side);

    std::array<TextFormat, static_cast<std::size_t>(InfoText::Count)> formats;
    SideTotals totals;
};

} // namespace Vorn
