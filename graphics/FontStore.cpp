// The game's named fonts, described by "fonts.xml", and the font families they need.
#include "graphics/FontStore.h"

#include "graphics/FontNames.h"
#include "platform/GlContext.h"

#include <algorithm>

namespace Vorn {

FontStore fontStore;

namespace {

namespace names = FontNames;

std::uint8_t ByteOf(const Brisk::Attribute& attribute) {
    return static_cast<std::uint8_t>(Brisk::ToInt(attribute));
}

bool AttributeIsTrue(const Brisk::Node& element, const char* name) {
    const Brisk::Attribute* attribute = element.FindAttribute(name);
    return attribute != nullptr && Brisk::ToBool(*attribute);
}

double RealOf(const Brisk::Node& element, const char* name) {
    const Brisk::Attribute* attribute = element.FindAttribute(name);
    return attribute == nullptr ? 0.0 : Brisk::ToFloat(*attribute);
}

// r, g and b count only all together; a counts alone.
void ReadColour(const Brisk::Node* element, std::optional<FontColour>& rgb,
                std::optional<std::uint8_t>& alpha) {
    if (element == nullptr) {
        return;
    }
    const Brisk::Attribute* r = element->FindAttribute(names::r);
    const Brisk::Attribute* g = element->FindAttribute(names::g);
    const Brisk::Attribute* b = element->FindAttribute(names::b);
    if (r != nullptr && g != nullptr && b != nullptr) {
        rgb = FontColour{ByteOf(*r), ByteOf(*g), ByteOf(*b), 255};
    }
    if (const Brisk::Attribute* a = element->FindAttribute(names::a)) {
        alpha = ByteOf(*a);
    }
}

void ReadShadow(const Brisk::Node& shadow, FontEntry& entry) {
    entry.shadow = true;
    if (const Brisk::Node* offset = shadow.FindChild(names::offset)) {
        const Brisk::Attribute* x = offset->FindAttribute(names::x);
        const Brisk::Attribute* y = offset->FindAttribute(names::y);
        if (x != nullptr && y != nullptr) {
            entry.shadowOffset = std::make_pair(Brisk::ToFloat(*x), Brisk::ToFloat(*y));
        }
    }
    ReadColour(shadow.FindChild(names::color), entry.shadowRgb, entry.shadowAlpha);
}

void ApplyColour(FontColour& colour, const std::optional<FontColour>& rgb,
                 const std::optional<std::uint8_t>& alpha) {
    if (rgb) {
        colour.r = rgb->r;
        colour.g = rgb->g;
        colour.b = rgb->b;
    }
    if (alpha) {
        colour.a = *alpha;
    }
}

} // namespace

std::optional<FontEntry> FontStore::ReadEntry(const Brisk::Node& element, std::string* skipReason) {
    auto skip = [&](const char* reason) {
        if (skipReason != nullptr) {
            *skipReason = reason;
        }
        return std::nullopt;
    };
    const Brisk::Node* face = element.FindChild(names::face);
    const Brisk::Node* type = element.FindChild(names::type);
    if (face == nullptr) {
        return skip("no \"face\"");
    }
    if (type == nullptr) {
        return skip("no \"type\"");
    }
    const Brisk::Attribute* size = type->FindAttribute(names::size);
    if (size == nullptr) {
        return skip("no \"size\" in \"type\"");
    }
    // A size of nothing would render nothing but still claim a name the game asks for.
    if (Brisk::ToInt(*size) <= 0) {
        return skip("\"size\" is not positive");
    }
    FontEntry entry;
    entry.face = face->text;
    entry.size = Brisk::ToInt(*size);
    entry.bold = AttributeIsTrue(*type, names::bold);
    entry.italic = AttributeIsTrue(*type, names::italic);
    entry.underline = AttributeIsTrue(*type, names::underline);
    ReadColour(element.FindChild(names::color), entry.rgb, entry.alpha);
    if (const Brisk::Node* offset = element.FindChild(names::offset)) {
        entry.offsetX = RealOf(*offset, names::x);
        entry.offsetY = RealOf(*offset, names::y);
    }
    if (const Brisk::Node* shadow = element.FindChild(names::shadow)) {
        ReadShadow(*shadow, entry);
    }
    return entry;
}

void FontStore::Load(const Brisk::Node& document) {
    description = document;
}

std::vector<std::string> FontStore::Families() const {
    std::vector<std::string> families;
    for (const Brisk::Node& element : description.children) {
        const std::optional<FontEntry> entry = ReadEntry(element);
        if (entry && !entry->face.empty() &&
            std::find(families.begin(), families.end(), entry->face) == families.end()) {
            families.push_back(entry->face);
        }
    }
    return families;
}

void FontStore::OpenInstaller(const std::string& directory) {
    installer.Create(directory);
}

bool FontStore::EnsureFamily(const std::string& family) {
    return installer.EnsureFontFamily(family);
}

void FontStore::Create() {
    for (const Brisk::Node& element : description.children) {
        if (const std::optional<FontEntry> entry = ReadEntry(element)) {
            CreateFont(element.name, *entry);
        }
    }
}

void FontStore::CreateFont(const std::string& name, const FontEntry& entry) {
    auto font = std::make_unique<TextFont>();
    font->Create(entry.face, entry.size, entry.bold, entry.italic, entry.underline, entry.offsetX,
                 entry.offsetY);
    font->shadow = entry.shadow;
    if (entry.shadowOffset) {
        font->shadowOffsetX = entry.shadowOffset->first;
        font->shadowOffsetY = entry.shadowOffset->second;
    }
    ApplyColour(font->shadowColour, entry.shadowRgb, entry.shadowAlpha);
    ApplyColour(font->colour, entry.rgb, entry.alpha);
    std::unique_ptr<TextFont>& slot = fonts[name];
    if (defaultFont == nullptr) {
        defaultFont = font.get();
    } else if (defaultFont == slot.get()) {
        // The first font's entry was repeated: the default follows its replacement.
        defaultFont = font.get();
    }
    slot = std::move(font);
}

TextFont& FontStore::FindFont(const std::string& name) {
    if (auto found = fonts.find(name); found != fonts.end()) {
        return *found->second;
    }
    if (defaultFont != nullptr) {
        return *defaultFont;
    }
    // No font was built (none described, or asked too early): text still shows, in the default face.
    if (builtInFont == nullptr) {
        builtInFont = std::make_unique<TextFont>();
    }
    if (!builtInFont->Created() && platform::GlContext::IsAnyCurrent()) {
        builtInFont->CreateDefault();
    }
    return *builtInFont;
}

void FontStore::Release() {
    defaultFont = nullptr;
    fonts.clear();
    builtInFont.reset();
}

void FontStore::ReleaseInstaller() {
    installer.Release();
}

} // namespace Vorn
