// The game's named fonts, described by "fonts.xml", and the font families they need.
#pragma once

#include "datafiles/Node.h"
#include "graphics/TextFont.h"
#include "platform/FontInstaller.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

// One element of "fonts.xml" as the store reads it.
struct FontEntry {
    std::string face;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double offsetX = 0;
    double offsetY = 0;
    // Colours are applied only where set: r, g and b together, a by itself.
    std::optional<FontColour> rgb;
    std::optional<std::uint8_t> alpha;
    bool shadow = false;
    std::optional<std::pair<double, double>> shadowOffset;
    std::optional<FontColour> shadowRgb;
    std::optional<std::uint8_t> shadowAlpha;
};

// Load keeps the description at start-up; the loading mode then makes the families known (OpenInstaller,
// EnsureFamily) and builds the fonts (Create) once a GL context exists. FindFont never fails: an unknown
// name answers the first font built, and when none was built, a built-in font of the default face.
class FontStore {
public:
    void Load(const Brisk::Node& document);
    void OpenInstaller(const std::string& directory);
    // Makes the family known; false when it is neither installed nor shipped (the text then uses the
    // system's substitute).
    bool EnsureFamily(const std::string& family);
    // Needs a current GL context.
    void Create();
    TextFont& FindFont(const std::string& name);
    // Deletes the fonts; the families stay known until ReleaseInstaller.
    void Release();
    void ReleaseInstaller();

    // The faces of the description, each once, in document order: the families the game ships.
    std::vector<std::string> Families() const;
    // The entry an element describes, or nothing (with the reason) when the store skips it.
    static std::optional<FontEntry> ReadEntry(const Brisk::Node& element, std::string* skipReason = nullptr);

    const Brisk::Node& Description() const { return description; }
    std::size_t FontCount() const { return fonts.size(); }

private:
    void CreateFont(const std::string& name, const FontEntry& entry);

    Brisk::Node description;
    std::map<std::string, std::unique_ptr<TextFont>> fonts;
    TextFont* defaultFont = nullptr;
    std::unique_ptr<TextFont> builtInFont;
    platform::FontInstaller installer;
};

extern FontStore fontStore;

} // namespace Vorn
