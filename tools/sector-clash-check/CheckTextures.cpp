// The textures area of the data checker: every entry of "textures.xml" loads, every painted description
// paints, and every texture name the game's code and particle systems use is declared.
#include "datafiles/Node.h"
#include "graphics/BitmapImage.h"
#include "graphics/PixelTexture.h"
#include "graphics/TextureNames.h"
#include "graphics/TextureStore.h"
#include "tools/sector-clash-check/CheckAreas.h"

#include <map>
#include <set>

namespace check {
namespace {

const std::string texturesFile = "textures.xml";

struct CommandShape {
    std::vector<const char*> attributes;
    std::vector<const char*> colourAttributes;
};

const std::map<std::string, CommandShape> paintingCommands = {
    {"fill", {{"r", "g", "b", "a"}, {"r", "g", "b", "a"}}},
    {"pixel", {{"x", "y", "r", "g", "b", "a"}, {"r", "g", "b", "a"}}},
    {"box", {{"x", "y", "w", "h", "r", "g", "b", "a"}, {"r", "g", "b", "a"}}},
};

// Commands the game would skip or whose colour would be cut to its low eight bits.
void CheckCommands(const Brisk::Node& texture, const FileProblems& report) {
    for (const Brisk::Node& command : texture.children) {
        const auto shape = paintingCommands.find(command.name);
        if (shape == paintingCommands.end()) {
            report("texture/" + command.name, "unknown painting command, ignored by the game");
            continue;
        }
        for (const char* attribute : shape->second.attributes) {
            if (command.FindAttribute(attribute) == nullptr) {
                report("texture/" + command.name,
                       std::string("missing \"") + attribute + "\": command skipped");
            }
        }
        for (const char* attribute : shape->second.colourAttributes) {
            const Brisk::Attribute* value = command.FindAttribute(attribute);
            if (value != nullptr && (Brisk::ToInt(*value) < 0 || Brisk::ToInt(*value) > 255)) {
                report("texture/" + command.name, std::string("\"") + attribute + "\" outside 0-255");
            }
        }
    }
}

void CheckPainted(const CheckContext& context, const std::string& src, Problems& problems) {
    const std::string name = Vorn::TextureStore::PaintedDocumentName(src);
    const FileProblems report(context.FileLabel(name), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(name);
    if (!document) {
        report("", "cannot be opened");
        return;
    }
    Vorn::PixelTexture texture;
    if (!Vorn::TextureStore::Paint(*document, texture)) {
        report("texture", "no \"texture\" element with a \"size\" from 1 to " +
                              std::to_string(Vorn::PixelTexture::MaxSize));
        return;
    }
    CheckCommands(*document->FindChild("texture"), report);
}

void CheckBitmap(const CheckContext& context, const std::string& element, const std::string& src,
                 const FileProblems& report) {
    const std::string relative = Vorn::TextureStore::BitmapPath(src).substr(std::string("data/").size());
    Vorn::BitmapImage image;
    const int status = image.ReadFile(context.PathOf(relative).string());
    if (status != Vorn::BitmapImage::Read) {
        report(element, relative + ": status " + std::to_string(status) + ", " +
                            Vorn::BitmapImage::DescribeStatus(status));
    }
}

void CheckEntry(const CheckContext& context, const Brisk::Node& entry, const FileProblems& report,
                Problems& problems) {
    const Brisk::Attribute* type = entry.FindAttribute("type");
    const Brisk::Attribute* src = entry.FindAttribute("src");
    if (type == nullptr || src == nullptr) {
        report(entry.name, "needs both \"type\" and \"src\": the entry is skipped");
    } else if (type->value == "aBitmap" || type->value == "a") {
        CheckBitmap(context, entry.name, src->value, report);
    } else if (type->value == "xml") {
        CheckPainted(context, src->value, problems);
    } else {
        report(entry.name, "unknown type \"" + type->value + "\": the entry is skipped");
    }
}

// Every element named "texture" with a "value" in the particle systems names a texture.
void CollectParticleTextures(const Brisk::Node& node, std::map<std::string, std::string>& used,
                             const std::string& path) {
    for (const Brisk::Node& child : node.children) {
        const std::string childPath = path.empty() ? child.name : path + "/" + child.name;
        if (child.name == "texture") {
            if (const Brisk::Attribute* value = child.FindAttribute("value")) {
                used.emplace(value->value, childPath);
            }
        }
        CollectParticleTextures(child, used, childPath);
    }
}

} // namespace

void CheckTextures(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel(texturesFile), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(texturesFile);
    if (!document) {
        report("", "cannot be opened: every texture would be the magenta default");
        return;
    }
    std::set<std::string> declared;
    for (const Brisk::Node& entry : document->children) {
        if (entry.name == "xml") {
            continue; // a leading declaration
        }
        if (!declared.insert(entry.name).second) {
            report(entry.name, "declared more than once: the later entry replaces the earlier one");
        }
        CheckEntry(context, entry, report, problems);
    }
    for (std::string_view name : Vorn::TextureNames::RequiredTextureNames()) {
        if (declared.count(std::string(name)) == 0) {
            report(std::string(name), "used by the game's code but not declared");
        }
    }
    std::map<std::string, std::string> particleTextures;
    if (const std::optional<Brisk::Node> particles = context.ReadDocument(particlesFile)) {
        CollectParticleTextures(*particles, particleTextures, "");
    }
    const FileProblems particleReport(context.FileLabel(particlesFile), problems);
    for (const auto& [name, where] : particleTextures) {
        if (declared.count(name) == 0) {
            particleReport(where, "texture \"" + name + "\" is not declared in " + texturesFile);
        }
    }
}

} // namespace check
