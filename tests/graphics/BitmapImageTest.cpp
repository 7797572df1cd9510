// The aBitmap reader: round trips, and every refusal of a crafted or hostile file.
#include "graphics/BitmapImage.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>

using Vorn::BitmapImage;

namespace {

std::vector<std::uint8_t> Header(std::int32_t width, std::int32_t height, std::int32_t compression) {
    std::vector<std::uint8_t> bytes = {'a', 'B', 'i', 't', 'm', 'a', 'p', 0};
    for (std::int32_t word : {width, height, compression, 0, 0, 0}) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(word) >> (8 * i)));
        }
    }
    return bytes;
}

std::vector<std::uint8_t> Deflate(std::size_t length, std::uint8_t value = 7) {
    std::vector<std::uint8_t> plain(length, value);
    uLongf size = compressBound(plain.size());
    std::vector<std::uint8_t> packed(size);
    compress(packed.data(), &size, plain.data(), plain.size());
    packed.resize(size);
    return packed;
}

std::vector<std::uint8_t> Join(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

BitmapImage TwoByThree() {
    BitmapImage image;
    image.width = 2;
    image.height = 3;
    for (int i = 0; i < 24; ++i) {
        image.pixels.push_back(static_cast<std::uint8_t>(i * 10));
    }
    return image;
}

int StatusOf(const std::vector<std::uint8_t>& bytes) {
    BitmapImage image;
    const int status = image.ReadBytes(bytes);
    if (status != BitmapImage::Read) {
        EXPECT_TRUE(image.pixels.empty()) << "a refused file must leave no pixels";
        EXPECT_EQ(image.width, 0);
    }
    return status;
}

} // namespace

TEST(BitmapImage, StoredAndCompressedFilesReadBackTheirPixels) {
    const BitmapImage original = TwoByThree();
    for (int compression : {BitmapImage::Stored, BitmapImage::Zlib}) {
        const auto path = testing_support::ScratchDir("bitmap_round_trip") / "image.aBitmap";
        ASSERT_EQ(original.WriteFile(path.string(), compression), BitmapImage::Read);
        BitmapImage copy;
        ASSERT_EQ(copy.ReadFile(path.string()), BitmapImage::Read) << "compression " << compression;
        EXPECT_EQ(copy.width, 2);
        EXPECT_EQ(copy.height, 3);
        EXPECT_EQ(copy.compression, compression);
        EXPECT_EQ(copy.pixels, original.pixels);
    }
}

TEST(BitmapImage, MissingFileCannotBeOpened) {
    BitmapImage image;
    EXPECT_EQ(image.ReadFile("/nonexistent/image.aBitmap"), BitmapImage::CannotOpen);
}

TEST(BitmapImage, MagicMustBeAbitmapWithItsZeroByte) {
    auto withoutZero = Join(Header(1, 1, 0), {1, 2, 3, 4});
    withoutZero[7] = 'X';
    EXPECT_EQ(StatusOf(withoutZero), BitmapImage::BadMagic);
    auto otherName = Join(Header(1, 1, 0), {1, 2, 3, 4});
    otherName[0] = 'b';
    EXPECT_EQ(StatusOf(otherName), BitmapImage::BadMagic);
    EXPECT_EQ(StatusOf({'a', 'B', 'i'}), BitmapImage::BadMagic);
    EXPECT_EQ(StatusOf({}), BitmapImage::BadMagic);
}

TEST(BitmapImage, CompressionOtherThanStoredOrZlibIsUnknown) {
    EXPECT_EQ(StatusOf(Join(Header(1, 1, 2), {1, 2, 3, 4})), BitmapImage::UnknownCompression);
    EXPECT_EQ(StatusOf(Join(Header(1, 1, -1), {1, 2, 3, 4})), BitmapImage::UnknownCompression);
}

TEST(BitmapImage, SizesFromTheFileAreCheckedBeforeAllocating) {
    EXPECT_EQ(StatusOf(Header(-1, 4, 0)), BitmapImage::BadSize);
    EXPECT_EQ(StatusOf(Header(4, -4, 0)), BitmapImage::BadSize);
    EXPECT_EQ(StatusOf(Header(0, 4, 0)), BitmapImage::BadSize);
    // Products that overflow 32 bits, or 32 bits times 4, or that are merely enormous.
    EXPECT_EQ(StatusOf(Header(65536, 65536, 0)), BitmapImage::BadSize);
    EXPECT_EQ(StatusOf(Header(0x7fffffff, 0x7fffffff, 1)), BitmapImage::BadSize);
    EXPECT_EQ(StatusOf(Header(BitmapImage::MaxSide, BitmapImage::MaxSide, 1)), BitmapImage::BadSize);
}

TEST(BitmapImage, StoredPixelsMustMatchTheHeaderExactly) {
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 0), std::vector<std::uint8_t>(15, 1))), BitmapImage::BadLength);
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 0), std::vector<std::uint8_t>(17, 1))), BitmapImage::BadLength);
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 0), std::vector<std::uint8_t>(16, 1))), BitmapImage::Read);
    auto cutHeader = Header(2, 2, 0);
    cutHeader.resize(20);
    EXPECT_EQ(StatusOf(cutHeader), BitmapImage::BadLength);
}

TEST(BitmapImage, CompressedStreamMustInflateToExactlyTheImage) {
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 1), Deflate(16))), BitmapImage::Read);
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 1), Deflate(12))), BitmapImage::InflatedSizeDiffers);
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 1), Deflate(20))), BitmapImage::InflateBufferTooSmall);
    EXPECT_EQ(StatusOf(Join(Header(2, 2, 1), Join(Deflate(16), {9, 9, 9}))), BitmapImage::BadLength);
}

TEST(BitmapImage, StreamTooShortToFillAHugeImageIsRefusedUpFront) {
    EXPECT_EQ(StatusOf(Join(Header(4096, 4096, 1), Deflate(64))), BitmapImage::InflatedSizeDiffers);
}

TEST(BitmapImage, CorruptOrTruncatedStreamIsRefused) {
    auto flipped = Deflate(64);
    flipped[0] ^= 0xff;
    EXPECT_EQ(StatusOf(Join(Header(4, 4, 1), flipped)), BitmapImage::InflateCorrupt);
    auto cut = Deflate(64);
    cut.resize(cut.size() / 2);
    EXPECT_EQ(StatusOf(Join(Header(4, 4, 1), cut)), BitmapImage::InflateCorrupt);
    EXPECT_EQ(StatusOf(Header(4, 4, 1)), BitmapImage::InflateCorrupt);
}

TEST(BitmapImage, ReadingFromDiskRefusesWhatReadingFromMemoryRefuses) {
    const auto folder = testing_support::ScratchDir("bitmap_hostile");
    const std::vector<std::pair<std::vector<std::uint8_t>, int>> cases = {
        {Join(Header(2, 2, 0), std::vector<std::uint8_t>(8, 1)), BitmapImage::BadLength},
        {Join(Header(2, 2, 0), std::vector<std::uint8_t>(4000, 1)), BitmapImage::BadLength},
        {Join(Header(2, 2, 1), std::vector<std::uint8_t>(4000, 1)), BitmapImage::BadLength},
        {Join(Header(2, 2, 1), Deflate(12)), BitmapImage::InflatedSizeDiffers},
        {Header(-5, 2, 0), BitmapImage::BadSize},
    };
    for (const auto& [bytes, expected] : cases) {
        const auto path = folder / "hostile.aBitmap";
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        BitmapImage image;
        EXPECT_EQ(image.ReadFile(path.string()), expected);
        EXPECT_TRUE(image.pixels.empty());
    }
}
