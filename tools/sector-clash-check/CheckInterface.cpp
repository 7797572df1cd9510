// The interface area of the data checker: "interface.xml" gives every key the interface reads, with sizes
// that agree with the panel drawings, and the info box's texts in "texts.xml" take the arguments the game
// passes them.
#include "datafiles/TextTable.h"
#include "graphics/PixelTexture.h"
#include "interface/FormattedTexts.h"
#include "interface/InterfaceNames.h"
#include "interface/InterfaceValues.h"
#include "interface/TextFormat.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/Text.h"
#include "visuals/DrawingStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace check {
namespace {

namespace InterfaceNames = Vorn::InterfaceNames;

// Where the build info panel's drawing is placed on the main panel.
constexpr double buildInfoLeft = 400;

struct Bounds {
    double left = std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();
    bool Empty() const { return left > right; }
    bool Holds(double x, double y) const { return x >= left && x <= right && y >= bottom && y <= top; }
    double Width() const { return right - left; }
};

void AddVertices(const Brisk::Node& node, Bounds& bounds) {
    for (const Brisk::Node& child : node.children) {
        const Brisk::Attribute* x = child.FindAttribute("x");
        const Brisk::Attribute* y = child.FindAttribute("y");
        if (child.name == "vertex" && x && y) {
            bounds.left = std::min(bounds.left, Brisk::ToFloat(*x));
            bounds.right = std::max(bounds.right, Brisk::ToFloat(*x));
            bounds.bottom = std::min(bounds.bottom, Brisk::ToFloat(*y));
            bounds.top = std::max(bounds.top, Brisk::ToFloat(*y));
        }
        AddVertices(child, bounds);
    }
}

// The box the vertices of a drawing span, as "drawings.xml" names it; empty when it cannot be read.
Bounds DrawingBounds(const CheckContext& context, const std::string& name) {
    Bounds bounds;
    const std::optional<Brisk::Node> index = context.ReadDocument(Vorn::drawingsFileName);
    const Brisk::Node* entry = index ? index->FindChild(name) : nullptr;
    const Brisk::Attribute* source = entry ? entry->FindAttribute("src") : nullptr;
    if (source != nullptr) {
        if (const std::optional<Brisk::Node> drawing = context.ReadDocument("graphics/" + source->value)) {
            AddVertices(*drawing, bounds);
        }
    }
    return bounds;
}

void CheckKeys(const Vorn::InterfaceValues& values, const FileProblems& report) {
    std::set<std::string> known;
    for (std::string_view key : InterfaceNames::RequiredKeys()) {
        known.emplace(key);
        if (!values.Contains(std::string(key))) {
            report(std::string(key),
                   "missing: it reads as 0 and what it places vanishes or sits in the corner");
        }
    }
    for (const auto& [key, value] : values.Values()) {
        if (known.count(key) == 0) {
            report(key, "not read by the game (a misspelt key?)");
        } else if (!std::isfinite(value)) {
            report(key, "is no number");
        }
    }
}

void CheckMinimap(const Vorn::InterfaceValues& values, const FileProblems& report) {
    const double textureSize = values.ValueOf(InterfaceNames::minimapTextureSize);
    if (values.Contains(InterfaceNames::minimapTextureSize) &&
        !(textureSize >= 1 && textureSize <= Vorn::PixelTexture::MaxSize)) {
        report(InterfaceNames::minimapTextureSize,
               Text("must be 1 to ", Vorn::PixelTexture::MaxSize, ": the minimap stays black"));
    }
    for (const char* key : {InterfaceNames::minimapTankSize, InterfaceNames::minimapTowerSize, InterfaceNames::minimapBuildingSize}) {
        if (values.Contains(key) && !(values.ValueOf(key) >= 1)) {
            report(key, "below 1: each unit is painted as a single texel");
        }
    }
    if (values.Contains(InterfaceNames::minimapSize) && !(values.ValueOf(InterfaceNames::minimapSize) > 0)) {
        report(InterfaceNames::minimapSize, "not above 0: the minimap and the info box are never shown whole");
    }
}

void CheckInfoBox(const Vorn::InterfaceValues& values, const Bounds& box, const FileProblems& report) {
    if (box.Empty()) {
        report(InterfaceNames::infoBoxDrawing, "the drawing has no vertices: its size cannot be checked");
        return;
    }
    if (values.ValueOf(InterfaceNames::minimapSize) != box.Width()) {
        report(InterfaceNames::minimapSize, Text("is also the info box's width, but its drawing is ", box.Width(),
                                        " wide: clicks miss the box or land beside it"));
    }
    if (values.ValueOf(InterfaceNames::infoboxSize) < box.Width()) {
        report(InterfaceNames::infoboxSize,
               Text("travel below the box's width ", box.Width(), ": it never slides out"));
    }
    if (!box.Holds(values.ValueOf(InterfaceNames::infoboxTitleX), values.ValueOf(InterfaceNames::infoboxTitleY))) {
        report(InterfaceNames::infoboxTitleX, "the title starts outside the info box");
    }
    for (int line = 0; line < 4; ++line) {
        if (!box.Holds(values.ValueOf(InterfaceNames::infoboxLineX[line]),
                       values.ValueOf(InterfaceNames::infoboxLineY[line]))) {
            report(InterfaceNames::infoboxLineX[line], Text("line ", line + 1, " starts outside the info box"));
        }
    }
}

void CheckBuildInfo(const Vorn::InterfaceValues& values, Bounds box, const FileProblems& report) {
    if (box.Empty()) {
        report(InterfaceNames::buildInfoDrawing, "the drawing has no vertices: its size cannot be checked");
        return;
    }
    box.left += buildInfoLeft;
    box.right += buildInfoLeft;
    if (!box.Holds(values.ValueOf(InterfaceNames::buildinfoTitleX), values.ValueOf(InterfaceNames::buildinfoTitleY))) {
        report(InterfaceNames::buildinfoTitleX, "the title starts outside the build info panel");
    }
    for (int line = 0; line < 3; ++line) {
        if (!box.Holds(values.ValueOf(InterfaceNames::buildinfoLineX[line]),
                       values.ValueOf(InterfaceNames::buildinfoLineY[line]))) {
            report(InterfaceNames::buildinfoLineX[line],
                   Text("line ", line + 1, " starts outside the build info panel"));
        }
    }
}

void CheckFormat(const FileProblems& report, const std::string& path, const std::string& format,
                 std::string_view kinds) {
    if (!Vorn::FormatTakes(format, kinds)) {
        report(path, Text("\"", format, "\" does not take the arguments the game passes (",
                          kinds.empty() ? std::string_view("none") : kinds, "): it is shown as written"));
    }
    if (Vorn::HasOversizedField(format)) {
        report(path, Text("\"", format, "\" asks for a width or precision above ", Vorn::maxFieldSize,
                          ": the game cuts it to ", Vorn::maxFieldSize));
    }
}

void CheckFormats(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel("texts.xml"), problems);
    const std::optional<Brisk::Node> texts = context.ReadDocument("texts.xml");
    if (!texts) {
        return; // the texts area of the game's tables reports a missing file
    }
    for (const Brisk::Node& language : texts->children) {
        if (language.openKind != Brisk::plain) {
            continue;
        }
        TextTable table;
        LoadTexts(table, *texts, language.name);
        for (const Vorn::FormattedText& text : Vorn::FormattedTexts()) {
            const std::string key(text.key);
            if (language.FindChild(key) != nullptr) {
                CheckFormat(report, language.name + "/" + key, table.TextOf(key), text.kinds);
            }
        }
    }
}

} // namespace

void CheckInterface(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel(InterfaceNames::interfaceFile), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(InterfaceNames::interfaceFile);
    if (!document) {
        report("", "missing: every key reads as 0 and the minimap and the info box vanish");
    } else {
        Vorn::InterfaceValues values;
        values.Load(*document);
        CheckKeys(values, report);
        CheckMinimap(values, report);
        CheckInfoBox(values, DrawingBounds(context, InterfaceNames::infoBoxDrawing), report);
        CheckBuildInfo(values, DrawingBounds(context, InterfaceNames::buildInfoDrawing), report);
    }
    CheckFormats(context, problems);
}

} // namespace check
