// The game's named textures: image files and painted descriptions listed in "textures.xml".
#include "graphics/TextureStore.h"

#include "datafiles/DataArchive.h"
#include "graphics/BitmapImage.h"
#include "platform/GlContext.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <optional>

namespace Vorn {

TextureStore textureStore;

namespace {

// The integer attributes of one painting command, or nothing when one of them is missing.
template <std::size_t N>
std::optional<std::array<int, N>> CommandValues(const Brisk::Node& command,
                                                const std::array<const char*, N>& names) {
    std::array<int, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const Brisk::Attribute* attribute = command.FindAttribute(names[i]);
        if (attribute == nullptr) {
            return std::nullopt;
        }
        values[i] = Brisk::ToInt(*attribute);
    }
    return values;
}

void ApplyCommand(const Brisk::Node& command, PixelTexture& texture) {
    if (command.name == "fill") {
        if (auto v = CommandValues<4>(command, {"r", "g", "b", "a"})) {
            texture.Fill((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
        }
    } else if (command.name == "pixel") {
        if (auto v = CommandValues<6>(command, {"x", "y", "r", "g", "b", "a"})) {
            texture.SetPixel((*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5]);
        }
    } else if (command.name == "box") {
        if (auto v = CommandValues<8>(command, {"x", "y", "w", "h", "r", "g", "b", "a"})) {
            texture.FillBox((*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5], (*v)[6], (*v)[7]);
        }
    }
}

// Image files clamp at their edges (sprites fade out to transparent borders) and are mipmapped, because
// sprites and icons are drawn at many sizes.
unsigned int MakeMipmappedTexture(const BitmapImage& image) {
    unsigned int name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA8, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    return name;
}

} // namespace

void TextureStore::Load(const Brisk::Node& document) {
    description = document;
}

void TextureStore::Create() {
    ++generation;
    defaultTexture.Create(4);
    defaultTexture.Fill(255, 0, 255, 255);
    defaultTexture.Upload();
    for (const Brisk::Node& entry : description.children) {
        CreateEntry(entry);
    }
}

void TextureStore::CreateEntry(const Brisk::Node& entry) {
    const Brisk::Attribute* type = entry.FindAttribute("type");
    const Brisk::Attribute* src = entry.FindAttribute("src");
    if (type == nullptr || src == nullptr) {
        return;
    }
    if (type->value == "aBitmap" || type->value == "a") {
        CreateFileTexture(entry.name, src->value);
    } else if (type->value == "xml") {
        CreatePaintedTexture(entry.name, src->value);
    }
}

void TextureStore::CreateFileTexture(const std::string& name, const std::string& src) {
    BitmapImage image;
    if (image.ReadFile(BitmapPath(src)) != BitmapImage::Read) {
        return;
    }
    const unsigned int texture = MakeMipmappedTexture(image);
    // A later entry of the same name replaces the earlier one; its texture goes rather than leaking.
    if (auto [it, inserted] = fileTextures.try_emplace(name, texture); !inserted) {
        glDeleteTextures(1, &it->second);
        it->second = texture;
    }
}

void TextureStore::CreatePaintedTexture(const std::string& name, const std::string& src) {
    const Brisk::Node document = dataArchive.ReadDocument(PaintedDocumentName(src));
    auto texture = std::make_unique<PixelTexture>();
    if (!Paint(document, *texture)) {
        return;
    }
    texture->Upload();
    paintedTextures[name] = std::move(texture);
}

bool TextureStore::Paint(const Brisk::Node& document, PixelTexture& texture) {
    const Brisk::Node* element = document.FindChild("texture");
    if (element == nullptr) {
        return false;
    }
    const Brisk::Attribute* size = element->FindAttribute("size");
    if (size == nullptr || !texture.Create(Brisk::ToInt(*size))) {
        return false;
    }
    for (const Brisk::Node& command : element->children) {
        ApplyCommand(command, texture);
    }
    return true;
}

unsigned int TextureStore::FindTexture(const std::string& name) const {
    if (auto file = fileTextures.find(name); file != fileTextures.end()) {
        return file->second;
    }
    if (auto painted = paintedTextures.find(name); painted != paintedTextures.end()) {
        return painted->second->texture;
    }
    return defaultTexture.texture;
}

void TextureStore::Adopt(const std::string& name, std::unique_ptr<PixelTexture> texture) {
    ++generation;
    paintedTextures[name] = std::move(texture);
}

void TextureStore::Release() {
    ++generation;
    if (platform::GlContext::IsAnyCurrent()) {
        for (auto& [name, texture] : fileTextures) {
            glDeleteTextures(1, &texture);
        }
    }
    fileTextures.clear();
    paintedTextures.clear();
    defaultTexture.Release();
}

std::string TextureStore::BitmapPath(const std::string& src) {
    return "data/graphics/textures/" + src + ".aBitmap";
}

std::string TextureStore::PaintedDocumentName(const std::string& src) {
    return "graphics/textures/" + src;
}

} // namespace Vorn
