// The fonts area of the data checker: every font of "fonts.xml" is built, its face is shipped or
// installed, and every font name the game asks for is defined.
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"
#include "platform/FontInstaller.h"
#include "tools/sector-clash-check/CheckAreas.h"

#include <filesystem>
#include <set>

namespace check {
namespace {

bool IsShipped(const CheckContext& context, const std::string& face) {
    const std::string folder =
        std::string(Vorn::FontNames::fontsDirectory).substr(std::string("data/").size());
    for (const char* extension : {".ttf", ".otf"}) {
        if (std::filesystem::is_regular_file(context.PathOf(folder + "/" + face + extension))) {
            return true;
        }
    }
    return false;
}

void CheckColour(const Brisk::Node* colour, const std::string& where, const FileProblems& report) {
    if (colour == nullptr) {
        return;
    }
    const bool r = colour->FindAttribute(Vorn::FontNames::r) != nullptr;
    const bool g = colour->FindAttribute(Vorn::FontNames::g) != nullptr;
    const bool b = colour->FindAttribute(Vorn::FontNames::b) != nullptr;
    if ((r || g || b) && !(r && g && b)) {
        report(where, "\"r\", \"g\" and \"b\" count only all together: the colour stays as it was");
    }
}

} // namespace

void CheckFonts(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel(Vorn::FontNames::fontsFile), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(Vorn::FontNames::fontsFile);
    if (!document) {
        report("", "cannot be opened: every text would be in the built-in default font");
        return;
    }
    std::set<std::string> defined;
    std::set<std::string> facesSeen;
    for (const Brisk::Node& element : document->children) {
        if (element.openKind != Brisk::plain) {
            continue; // comments and declarations
        }
        std::string reason;
        const std::optional<Vorn::FontEntry> entry = Vorn::FontStore::ReadEntry(element, &reason);
        if (!entry) {
            report(element.name, reason + ": the font is skipped");
            continue;
        }
        defined.insert(element.name);
        CheckColour(element.FindChild(Vorn::FontNames::color), element.name + "/color", report);
        if (const Brisk::Node* shadow = element.FindChild(Vorn::FontNames::shadow)) {
            CheckColour(shadow->FindChild(Vorn::FontNames::color), element.name + "/shadow/color", report);
        }
        if (entry->size > Vorn::TextFont::MaxSize) {
            report(element.name, "size " + std::to_string(entry->size) + " is cut to " +
                                     std::to_string(Vorn::TextFont::MaxSize));
        }
        const std::string& face = entry->face;
        if (!face.empty() && facesSeen.insert(face).second && !IsShipped(context, face) &&
            !platform::FontInstaller::IsFamilyInstalled(face)) {
            report(element.name + "/face",
                   "\"" + face + "\" is neither shipped nor installed: a substitute is used");
        }
    }
    for (std::string_view name : Vorn::FontNames::RequiredFontNames()) {
        if (defined.count(std::string(name)) == 0) {
            report(std::string(name), "used by the game but not defined: the first font stands in");
        }
    }
}

} // namespace check
