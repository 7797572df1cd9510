// The game's own image file, "aBitmap": a 32-byte header and RGBA pixels, stored or zlib-compressed.
#include "graphics/BitmapImage.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>

namespace Vorn {

namespace {

constexpr char Magic[8] = {'a', 'B', 'i', 't', 'm', 'a', 'p', '\0'};

std::int32_t ReadWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | bytes[offset + i];
    }
    return static_cast<std::int32_t>(value);
}

void AppendWord(std::vector<std::uint8_t>& bytes, std::int32_t word) {
    auto value = static_cast<std::uint32_t>(word);
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A compressed payload longer than this cannot be an honest stream for the image (deflate never grows
// data by more than a few bytes per block), so the reader refuses it before reading it into memory.
std::uint64_t MaxCompressedBytes(std::size_t pixelBytes) {
    return 2 * std::uint64_t{pixelBytes} + 1024;
}

// Deflate cannot expand data by more than 1032 to 1, so a stream of this many bytes never fills more.
std::uint64_t MaxInflatedBytes(std::size_t compressedBytes) {
    return 1032 * std::uint64_t{compressedBytes} + 64;
}

} // namespace

int BitmapImage::ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Refuse(CannotOpen);
    }
    std::vector<std::uint8_t> header(HeaderSize);
    file.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(file.gcount()));
    if (int status = ReadHeader(header); status != Read) {
        return status;
    }
    file.clear();
    file.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(file.tellg());
    const std::uint64_t dataSize = fileSize - HeaderSize;
    const std::uint64_t allowed = compression == Stored ? PixelBytes() : MaxCompressedBytes(PixelBytes());
    if (dataSize > allowed) {
        return Refuse(BadLength);
    }
    std::vector<std::uint8_t> data;
    try {
        data.resize(static_cast<std::size_t>(dataSize));
    } catch (const std::bad_alloc&) {
        return Refuse(OutOfMemory);
    }
    file.seekg(static_cast<std::streamoff>(HeaderSize));
    file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (static_cast<std::size_t>(file.gcount()) != data.size()) {
        return Refuse(BadLength);
    }
    return ReadPixels(data);
}

int BitmapImage::ReadBytes(std::span<const std::uint8_t> bytes) {
    if (int status = ReadHeader(bytes.first(std::min(bytes.size(), HeaderSize))); status != Read) {
        return status;
    }
    return ReadPixels(bytes.subspan(HeaderSize));
}

// Checks the magic, the size and the compression, in that order, before anything is allocated.
int BitmapImage::ReadHeader(std::span<const std::uint8_t> header) {
    if (header.size() < sizeof Magic || std::memcmp(header.data(), Magic, sizeof Magic) != 0) {
        return Refuse(BadMagic);
    }
    if (header.size() < HeaderSize) {
        return Refuse(BadLength);
    }
    std::memcpy(magic.data(), header.data(), magic.size());
    width = ReadWord(header, 8);
    height = ReadWord(header, 12);
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide ||
        std::int64_t{width} * height > MaxPixels) {
        return Refuse(BadSize);
    }
    compression = ReadWord(header, 16);
    if (compression != Stored && compression != Zlib) {
        return Refuse(UnknownCompression);
    }
    for (std::size_t i = 0; i < reserved.size(); ++i) {
        reserved[i] = ReadWord(header, 20 + 4 * i);
    }
    return Read;
}

// Both checks run before the pixel memory is allocated, so a short hostile file claiming a huge image
// costs nothing.
int BitmapImage::ReadPixels(std::span<const std::uint8_t> data) {
    if (compression == Stored && data.size() != PixelBytes()) {
        return Refuse(BadLength);
    }
    if (compression == Zlib && PixelBytes() > MaxInflatedBytes(data.size())) {
        return Refuse(InflatedSizeDiffers);
    }
    try {
        pixels.assign(PixelBytes(), 0);
    } catch (const std::bad_alloc&) {
        return Refuse(OutOfMemory);
    }
    return compression == Stored ? ReadStored(data) : ReadCompressed(data);
}

int BitmapImage::ReadStored(std::span<const std::uint8_t> data) {
    std::memcpy(pixels.data(), data.data(), data.size());
    return Read;
}

int BitmapImage::ReadCompressed(std::span<const std::uint8_t> data) {
    if (data.size() > MaxCompressedBytes(pixels.size())) {
        return Refuse(BadLength);
    }
    uLongf inflated = pixels.size();
    uLong consumed = data.size();
    const int result = uncompress2(pixels.data(), &inflated, data.data(), &consumed);
    switch (result) {
    case Z_OK:
        break;
    case Z_MEM_ERROR:
        return Refuse(OutOfMemory);
    case Z_BUF_ERROR:
        return Refuse(InflateBufferTooSmall);
    default:
        return Refuse(InflateCorrupt);
    }
    if (inflated != pixels.size()) {
        return Refuse(InflatedSizeDiffers);
    }
    if (consumed != data.size()) {
        return Refuse(BadLength);
    }
    return Read;
}

std::size_t BitmapImage::PixelBytes() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
}

// A refused file leaves no picture behind, so nobody can draw pixels the file never supplied.
int BitmapImage::Refuse(int status) {
    width = 0;
    height = 0;
    pixels.clear();
    pixels.shrink_to_fit();
    return status;
}

std::vector<std::uint8_t> BitmapImage::Encode(int compressionToUse) const {
    std::vector<std::uint8_t> bytes(Magic, Magic + sizeof Magic);
    AppendWord(bytes, width);
    AppendWord(bytes, height);
    AppendWord(bytes, compressionToUse);
    for (std::int32_t word : reserved) {
        AppendWord(bytes, word);
    }
    if (compressionToUse == Zlib) {
        uLongf packedSize = compressBound(pixels.size());
        std::vector<std::uint8_t> packed(packedSize);
        compress2(packed.data(), &packedSize, pixels.data(), pixels.size(), Z_BEST_COMPRESSION);
        bytes.insert(bytes.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    } else {
        bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    }
    return bytes;
}

int BitmapImage::WriteFile(const std::string& path, int compressionToUse) const {
    const std::vector<std::uint8_t> bytes = Encode(compressionToUse);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file ? Read : CannotOpen;
}

std::string BitmapImage::DescribeStatus(int status) {
    switch (status) {
    case Read:
        return "read";
    case CannotOpen:
        return "the file cannot be opened";
    case BadMagic:
        return "the magic is not \"aBitmap\"";
    case UnknownCompression:
        return "unknown compression";
    case InflateBufferTooSmall:
        return "the compressed pixels inflate to more than width x height x 4 bytes";
    case InflateCorrupt:
        return "the compressed pixels are corrupt";
    case InflatedSizeDiffers:
        return "the compressed pixels inflate to less than width x height x 4 bytes";
    case BadSize:
        return "width or height is not positive or the image is too large";
    case BadLength:
        return "the file is shorter or longer than its header says";
    case OutOfMemory:
        return "out of memory";
    default:
        return "unknown status";
    }
}

} // namespace Vorn
