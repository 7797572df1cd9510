// Painting into a PixelTexture: packing, filling and the clipping of pixels and boxes.
#include "graphics/PixelTexture.h"

#include <gtest/gtest.h>

#include <climits>

using Vorn::PixelTexture;

namespace {

constexpr std::uint32_t RedArgb = 0xffff0000;
constexpr std::uint32_t BlueArgb = 0xff0000ff;

PixelTexture BlueTexture(int size) {
    PixelTexture texture;
    EXPECT_TRUE(texture.Create(size));
    texture.Fill(0, 0, 255, 255);
    return texture;
}

int CountOf(const PixelTexture& texture, std::uint32_t colour) {
    return static_cast<int>(std::count(texture.pixels.begin(), texture.pixels.end(), colour));
}

} // namespace

TEST(TexturePainting, WordsHoldBlueGreenRedAlphaFromTheLowByteAndKeepLowEightBits) {
    EXPECT_EQ(PixelTexture::Pack(0x11, 0x22, 0x33, 0x44), 0x44112233u);
    EXPECT_EQ(PixelTexture::Pack(256 + 1, -1, 0, 255), 0xff01ff00u);
}

TEST(TexturePainting, FillColoursEveryPixel) {
    PixelTexture texture = BlueTexture(8);
    EXPECT_EQ(texture.pixels.size(), 64u);
    EXPECT_EQ(CountOf(texture, BlueArgb), 64);
}

TEST(TexturePainting, PixelOutsideTheTextureIsIgnored) {
    PixelTexture texture = BlueTexture(4);
    texture.SetPixel(1, 2, 255, 0, 0, 255);
    EXPECT_EQ(texture.PixelAt(1, 2), RedArgb);
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 4}, {INT_MIN, INT_MAX}}) {
        texture.SetPixel(x, y, 255, 0, 0, 255);
    }
    EXPECT_EQ(CountOf(texture, RedArgb), 1);
}

TEST(TexturePainting, BoxesAreClippedToTheTexture) {
    PixelTexture texture = BlueTexture(8);
    texture.FillBox(-2, -3, 4, 5, 255, 0, 0, 255); // visible part: columns 0-1, rows 0-1
    EXPECT_EQ(CountOf(texture, RedArgb), 4);
    EXPECT_EQ(texture.PixelAt(1, 1), RedArgb);
    EXPECT_EQ(texture.PixelAt(2, 1), BlueArgb);

    texture = BlueTexture(8);
    texture.FillBox(6, 5, 10, 10, 255, 0, 0, 255); // past the edge: columns 6-7, rows 5-7
    EXPECT_EQ(CountOf(texture, RedArgb), 6);
    EXPECT_EQ(texture.PixelAt(7, 7), RedArgb);
}

TEST(TexturePainting, BoxesEmptyAfterClippingPaintNothing) {
    PixelTexture texture = BlueTexture(8);
    texture.FillBox(8, 0, 4, 4, 255, 0, 0, 255);
    texture.FillBox(0, -5, 4, 5, 255, 0, 0, 255);
    texture.FillBox(2, 2, -3, 4, 255, 0, 0, 255);
    texture.FillBox(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX, 255, 0, 0, 255);
    texture.FillBox(INT_MIN, INT_MIN, 2, 2, 255, 0, 0, 255);
    EXPECT_EQ(CountOf(texture, RedArgb), 0);
}

TEST(TexturePainting, SizesOutsideTheAcceptedRangeCreateNothing) {
    PixelTexture texture;
    EXPECT_FALSE(texture.Create(0));
    EXPECT_FALSE(texture.Create(-4));
    EXPECT_FALSE(texture.Create(PixelTexture::MaxSize + 1));
    EXPECT_TRUE(texture.pixels.empty());
    texture.Fill(1, 2, 3, 4); // painting an uncreated texture must be harmless
    texture.FillBox(0, 0, 2, 2, 1, 2, 3, 4);
    texture.SetPixel(0, 0, 1, 2, 3, 4);
}
