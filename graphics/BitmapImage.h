// The game's own image file, "aBitmap": a 32-byte header and RGBA pixels, stored or zlib-compressed.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Vorn {

// Usage: BitmapImage image; if (image.ReadFile(path) == BitmapImage::Read) { ... image.pixels ... }
//
// The header holds, little-endian: the magic "aBitmap" and a zero byte, width, height, compression
// (0 stored, 1 zlib) and three reserved words. Width and height come from the file, so the reader
// checks them before it allocates and checks that the pixel data matches them exactly: a file that is
// refused leaves an empty image, never a half-filled one.
class BitmapImage {
public:
    // Status codes of ReadFile and ReadBytes.
    static constexpr int Read = 0;
    static constexpr int CannotOpen = -1;
    static constexpr int BadMagic = -2;
    static constexpr int UnknownCompression = -3;
    static constexpr int InflateBufferTooSmall = -4; // the stream inflates to more than the image holds
    static constexpr int InflateCorrupt = -5;
    static constexpr int InflatedSizeDiffers = -6; // the stream inflates to less than the image holds
    static constexpr int BadSize = -7;             // width or height not positive, or the image too large
    static constexpr int BadLength = -8;           // header cut short, pixels missing, or bytes left over
    static constexpr int OutOfMemory = -9;

    static constexpr int Stored = 0;
    static constexpr int Zlib = 1;

    // Largest side and largest pixel count accepted: far beyond anything the game draws, small enough that a
    // hostile header cannot make the reader allocate more than 64 MB.
    static constexpr int MaxSide = 8192;
    static constexpr std::int64_t MaxPixels = 16 * 1024 * 1024;
    static constexpr std::size_t HeaderSize = 32;

    std::array<char, 8> magic{};
    int width = 0;
    int height = 0;
    int compression = Stored;
    std::array<std::int32_t, 3> reserved{};
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes: red, green, blue, alpha; rows from the top

    // Reads the file at path; answers one of the status codes above.
    int ReadFile(const std::string& path);
    // Reads a whole file already in memory.
    int ReadBytes(std::span<const std::uint8_t> bytes);

    // Writes the image with the given compression; answers Read (0) or CannotOpen.
    int WriteFile(const std::string& path, int compressionToUse) const;
    // The file's bytes for the given compression.
    std::vector<std::uint8_t> Encode(int compressionToUse) const;

    // One line naming a status code, for tools.
    static std::string DescribeStatus(int status);

private:
    int ReadHeader(std::span<const std::uint8_t> header);
    int ReadPixels(std::span<const std::uint8_t> data);
    int ReadStored(std::span<const std::uint8_t> data);
    int ReadCompressed(std::span<const std::uint8_t> data);
    std::size_t PixelBytes() const;
    int Refuse(int status);
};

} // namespace Vorn
