// One texture holding every glyph of a font.
#include "graphics/GlyphAtlas.h"

#include "platform/GlContext.h"

#include <GL/gl.h>

#include <algorithm>

namespace Vorn {

namespace {
constexpr unsigned cellsAcross = 16;
}

GlyphAtlas::~GlyphAtlas() {
    Release();
}

bool GlyphAtlas::Begin(unsigned glyphSide) {
    Release();
    const unsigned needed = cellsAcross * (glyphSide + 2);
    unsigned atlasSide = 1;
    while (atlasSide < needed && atlasSide <= largestSide)
        atlasSide *= 2;
    if (atlasSide > largestSide)
        return false;
    side = glyphSide;
    width = atlasSide;
    image.assign(static_cast<std::size_t>(width) * width * 2, 0);
    return true;
}

void GlyphAtlas::Put(unsigned char code, const std::vector<std::uint8_t>& glyph) {
    if (image.empty() || glyph.size() < static_cast<std::size_t>(side) * side * 2)
        return;
    const unsigned left = (code % cellsAcross) * (side + 2) + 1;
    const unsigned top = (code / cellsAcross) * (side + 2) + 1;
    for (unsigned row = 0; row < side; ++row)
        std::copy_n(glyph.begin() + static_cast<std::ptrdiff_t>(row) * side * 2, side * 2,
                    image.begin() + (static_cast<std::ptrdiff_t>(top + row) * width + left) * 2);
}

void UploadGlyphTexture(unsigned texture, unsigned side, const std::vector<std::uint8_t>& image) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE8_ALPHA8, static_cast<GLsizei>(side),
                 static_cast<GLsizei>(side), 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, image.data());
}

void GlyphAtlas::Upload() {
    if (image.empty())
        return;
    glGenTextures(1, &texture);
    UploadGlyphTexture(texture, width, image);
    image = {};
}

void GlyphAtlas::Release() {
    if (texture != 0 && platform::GlContext::IsAnyCurrent())
        glDeleteTextures(1, &texture);
    texture = 0;
    image = {};
}

// Whole texels over a power of two: every coordinate is exact in single precision.
GlyphAtlas::Box GlyphAtlas::Cell(unsigned char code) const {
    const auto at = [&](unsigned texels) { return static_cast<float>(texels) / static_cast<float>(width); };
    const unsigned left = (code % cellsAcross) * (side + 2) + 1;
    const unsigned top = (code / cellsAcross) * (side + 2) + 1;
    return {at(left), at(left + side), at(top), at(top + side)};
}

} // namespace Vorn
