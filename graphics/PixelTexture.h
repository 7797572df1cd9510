// A square texture that keeps its pixels in memory, so the game can paint into it and upload it again.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace Vorn {

// Pixels are words with blue in bits 0-7, green 8-15, red 16-23 and alpha 24-31, row 0 first. Painting
// changes only the copy in memory; Upload sends it to the texture. Without a current GL context (headless
// runs, tools) Create still allocates the pixels but makes no texture, and Upload and Bind do nothing.
class PixelTexture {
public:
    PixelTexture() = default;
    ~PixelTexture() { Release(); }
    PixelTexture(const PixelTexture&) = delete;
    PixelTexture& operator=(const PixelTexture&) = delete;
    // Moving hands the GL texture over; the source is left empty.
    PixelTexture(PixelTexture&& other) noexcept { *this = std::move(other); }
    PixelTexture& operator=(PixelTexture&& other) noexcept;

    // The largest side accepted: a painted description naming more is refused rather than allocated.
    static constexpr int MaxSize = 4096;

    // Allocates size x size zeroed words and, with a GL context, the texture (linear filters, repeat wrap).
    // Answers false, creating nothing, for a size outside 1..MaxSize.
    bool Create(int size);
    void Fill(int r, int g, int b, int a);
    // Ignored outside the texture.
    void SetPixel(int x, int y, int r, int g, int b, int a);
    // The w x h rectangle from (x, y), clipped to the texture; nothing when it is empty after clipping.
    void FillBox(int x, int y, int w, int h, int r, int g, int b, int a);
    void Upload() const;
    void Bind() const;
    void Release();

    // Colour components keep their low 8 bits.
    static std::uint32_t Pack(int r, int g, int b, int a);
    std::uint32_t PixelAt(int x, int y) const { return pixels[static_cast<std::size_t>(x + y * size)]; }

    unsigned int texture = 0;
    int size = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace Vorn
