// A square texture that keeps its pixels in memory, so the game can paint into it and upload it again.
#include "graphics/PixelTexture.h"

#include "platform/GlContext.h"

#include <GL/gl.h>

#include <algorithm>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

namespace Vorn {

bool PixelTexture::Create(int newSize) {
    Release();
    if (newSize <= 0 || newSize > MaxSize) {
        return false;
    }
    size = newSize;
    pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    if (!platform::GlContext::IsAnyCurrent()) {
        return true;
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size, size, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    return true;
}

PixelTexture& PixelTexture::operator=(PixelTexture&& other) noexcept {
    if (this != &other) {
        Release();
        texture = std::exchange(other.texture, 0);
        size = std::exchange(other.size, 0);
        pixels = std::move(other.pixels);
        other.pixels.clear();
    }
    return *this;
}

std::uint32_t PixelTexture::Pack(int r, int g, int b, int a) {
    return (static_cast<std::uint32_t>(a & 0xff) << 24) | (static_cast<std::uint32_t>(r & 0xff) << 16) |
           (static_cast<std::uint32_t>(g & 0xff) << 8) | static_cast<std::uint32_t>(b & 0xff);
}

void PixelTexture::Fill(int r, int g, int b, int a) {
    std::fill(pixels.begin(), pixels.end(), Pack(r, g, b, a));
}

void PixelTexture::SetPixel(int x, int y, int r, int g, int b, int a) {
    if (x >= 0 && x < size && y >= 0 && y < size) {
        pixels[static_cast<std::size_t>(x + y * size)] = Pack(r, g, b, a);
    }
}

void PixelTexture::FillBox(int x, int y, int w, int h, int r, int g, int b, int a) {
    // 64-bit edges, so a box near INT_MAX from a data file cannot wrap round into the texture.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + w, size);
    const std::int64_t bottom = std::max<std::int64_t>(y, 0);
    const std::int64_t top = std::min<std::int64_t>(std::int64_t{y} + h, size);
    const std::uint32_t colour = Pack(r, g, b, a);
    for (std::int64_t row = bottom; row < top; ++row) {
        for (std::int64_t column = left; column < right; ++column) {
            pixels[static_cast<std::size_t>(column + row * size)] = colour;
        }
    }
}

void PixelTexture::Upload() const {
    if (texture == 0) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
}

void PixelTexture::Bind() const {
    glBindTexture(GL_TEXTURE_2D, texture);
}

void PixelTexture::Release() {
    if (texture != 0 && platform::GlContext::IsAnyCurrent()) {
        glDeleteTextures(1, &texture);
    }
    texture = 0;
    size = 0;
    pixels.clear();
    pixels.shrink_to_fit();
}

} // namespace Vorn
