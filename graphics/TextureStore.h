// The game's named textures: image files and painted descriptions listed in "textures.xml".
#pragma once

#include "datafiles/Node.h"
#include "graphics/PixelTexture.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace Vorn {

// Load keeps the description at start-up, before any GL context exists; Create makes every texture in the
// loading mode; Release deletes them when the window goes. FindTexture never fails: a name that is
// missing, or whose file could not be read, answers the 4 x 4 magenta default so missing art shows.
class TextureStore {
public:
    void Load(const Brisk::Node& document);
    // Drops the description kept by Load (at process exit; the textures go earlier, with the window).
    void ForgetDescription() { description = Brisk::Node{}; }
    // Needs a current GL context.
    void Create();
    // Must not be called before Create.
    unsigned int FindTexture(const std::string& name) const;
    void Release();
    // Keeps a texture made by the game itself (the panel's icons) under the name, replacing one of that
    // name made earlier the same way. Released with the others.
    void Adopt(const std::string& name, std::unique_ptr<PixelTexture> texture);
    // Changes whenever a texture is made, adopted or released, so that whoever keeps a name's answer knows
    // when to ask again.
    std::uint64_t Generation() const { return generation; }

    // Applies the painting commands of a painted description (a document whose first "texture" element
    // has a "size") to a fresh texture; false, painting nothing, when there is no such element or the
    // size is outside 1..PixelTexture::MaxSize. Works without a GL context (nothing is uploaded).
    static bool Paint(const Brisk::Node& document, PixelTexture& texture);
    // The paths an entry reads: "data/graphics/textures/" + src + ".aBitmap" from the file system, and
    // "graphics/textures/" + src from the data archive.
    static std::string BitmapPath(const std::string& src);
    static std::string PaintedDocumentName(const std::string& src);

    const Brisk::Node& Description() const { return description; }

private:
    void CreateEntry(const Brisk::Node& entry);
    void CreateFileTexture(const std::string& name, const std::string& src);
    void CreatePaintedTexture(const std::string& name, const std::string& src);

    Brisk::Node description;
    PixelTexture defaultTexture;
    std::map<std::string, unsigned int> fileTextures;
    std::map<std::string, std::unique_ptr<PixelTexture>> paintedTextures;
    std::uint64_t generation = 1;
};

extern TextureStore textureStore;

} // namespace Vorn
