// Reading cursor files: static ".cur" (an icon directory with hotspots) and animated ".ani" (RIFF "ACON").
#include "platform/CursorFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace platform {

namespace {

// Bounds-checked little-endian reads; every read of the parsers goes through these.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes(bytes) {}

    bool Has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= bytes.size() && length <= bytes.size() - offset;
    }
    std::uint32_t U8(std::size_t offset) const { return bytes[offset]; }
    std::uint32_t U16(std::size_t offset) const { return bytes[offset] | (bytes[offset + 1] << 8); }
    std::uint32_t U32(std::size_t offset) const { return U16(offset) | (U16(offset + 2) << 16); }
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    bool Tag(std::size_t offset, const char* tag) const {
        return Has(offset, 4) && std::memcmp(bytes.data() + offset, tag, 4) == 0;
    }
    std::span<const std::uint8_t> Slice(std::size_t offset, std::size_t length) const {
        return bytes.subspan(offset, length);
    }
    std::size_t Size() const { return bytes.size(); }

private:
    std::span<const std::uint8_t> bytes;
};

constexpr std::size_t IconDirectorySize = 6;
constexpr std::size_t IconEntrySize = 16;
constexpr std::size_t InfoHeaderSize = 40;
constexpr int MaxDirectoryEntries = 64;

struct DibLayout {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::size_t paletteOffset = 0;
    std::size_t colourOffset = 0;
    std::size_t maskOffset = 0;
    std::size_t colourStride = 0;
    std::size_t maskStride = 0;
    bool hasMask = false;
};

std::size_t StrideOf(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

// The header of the device-independent bitmap inside a directory entry: the colour rows, then the
// one-bit transparency mask, both bottom-up; the height counts both, so it is twice the image's.
std::string ReadDibLayout(const ByteReader& dib, DibLayout& layout) {
    if (dib.Size() >= 8 && dib.U32(0) == 0x474e5089) {
        return "PNG-compressed cursor images are not supported";
    }
    if (!dib.Has(0, InfoHeaderSize)) {
        return "image header cut short";
    }
    const std::uint32_t headerSize = dib.U32(0);
    const std::int32_t width = dib.S32(4);
    const std::int32_t doubledHeight = dib.S32(8);
    layout.bitCount = static_cast<int>(dib.U16(14));
    const std::uint32_t compression = dib.U32(16);
    const std::uint32_t coloursUsed = dib.U32(32);
    if (headerSize < InfoHeaderSize || !dib.Has(0, headerSize)) {
        return "bad image header size";
    }
    if (width <= 0 || width > MaxCursorSide || doubledHeight <= 0 || doubledHeight % 2 != 0 ||
        doubledHeight / 2 > MaxCursorSide) {
        return "image size out of range";
    }
    if (compression != 0) {
        return "compressed bitmap images are not supported";
    }
    const int bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return "unsupported bit count " + std::to_string(bits);
    }
    layout.width = width;
    layout.height = doubledHeight / 2;
    std::uint64_t paletteSize = 0;
    if (bits <= 8) {
        const std::uint32_t maximum = 1u << bits;
        if (coloursUsed > maximum) {
            return "palette larger than the bit count allows";
        }
        paletteSize = coloursUsed == 0 ? maximum : coloursUsed;
    }
    layout.paletteOffset = headerSize;
    layout.colourOffset = headerSize + static_cast<std::size_t>(paletteSize) * 4;
    layout.colourStride = StrideOf(layout.width, bits);
    layout.maskStride = StrideOf(layout.width, 1);
    layout.maskOffset = layout.colourOffset + layout.colourStride * static_cast<std::size_t>(layout.height);
    if (!dib.Has(layout.colourOffset, layout.colourStride * static_cast<std::size_t>(layout.height))) {
        return "image pixels cut short";
    }
    layout.hasMask = dib.Has(layout.maskOffset, layout.maskStride * static_cast<std::size_t>(layout.height));
    // Palettised images have no alpha: without the mask their transparency is unknown.
    if (!layout.hasMask && bits != 32) {
        return "transparency mask cut short";
    }
    return {};
}

// Colour index or packed colour of one pixel of a bottom-up row.
std::uint32_t SampleBits(const ByteReader& dib, std::size_t rowOffset, int column, int bits) {
    const std::size_t bitOffset = static_cast<std::size_t>(column) * static_cast<std::size_t>(bits);
    const std::uint32_t byte = dib.U8(rowOffset + bitOffset / 8);
    if (bits >= 8) {
        return byte;
    }
    const int shift = 8 - bits - static_cast<int>(bitOffset % 8);
    return (byte >> shift) & ((1u << bits) - 1);
}

void DecodeDib(const ByteReader& dib, const DibLayout& layout, CursorImage& image) {
    const std::size_t paletteEntries = (layout.colourOffset - layout.paletteOffset) / 4;
    image.width = layout.width;
    image.height = layout.height;
    image.pixels.assign(static_cast<std::size_t>(layout.width) * layout.height * 4, 0);
    bool anyAlpha = false;
    for (int row = 0; row < layout.height; ++row) {
        const std::size_t colourRow =
            layout.colourOffset + static_cast<std::size_t>(row) * layout.colourStride;
        const std::size_t maskRow = layout.maskOffset + static_cast<std::size_t>(row) * layout.maskStride;
        std::uint8_t* out =
            &image.pixels[static_cast<std::size_t>(layout.height - 1 - row) * layout.width * 4];
        for (int column = 0; column < layout.width; ++column, out += 4) {
            std::uint32_t b = 0, g = 0, r = 0, a = 255;
            if (layout.bitCount >= 24) {
                const std::size_t at = colourRow + static_cast<std::size_t>(column) * (layout.bitCount / 8);
                b = dib.U8(at), g = dib.U8(at + 1), r = dib.U8(at + 2);
                a = layout.bitCount == 32 ? dib.U8(at + 3) : 255;
            } else {
                const std::uint32_t index = SampleBits(dib, colourRow, column, layout.bitCount);
                if (index < paletteEntries) {
                    const std::size_t at = layout.paletteOffset + index * 4;
                    b = dib.U8(at), g = dib.U8(at + 1), r = dib.U8(at + 2);
                }
            }
            anyAlpha = anyAlpha || (layout.bitCount == 32 && a != 0);
            if (layout.bitCount != 32 && layout.hasMask && SampleBits(dib, maskRow, column, 1) != 0) {
                a = 0;
            }
            out[0] = static_cast<std::uint8_t>(r), out[1] = static_cast<std::uint8_t>(g);
            out[2] = static_cast<std::uint8_t>(b), out[3] = static_cast<std::uint8_t>(a);
        }
    }
    // Older 32-bit cursors leave alpha at zero and keep their shape in the mask.
    if (layout.bitCount == 32 && !anyAlpha && layout.hasMask) {
        for (int row = 0; row < layout.height; ++row) {
            const std::size_t maskRow = layout.maskOffset + static_cast<std::size_t>(row) * layout.maskStride;
            std::uint8_t* out =
                &image.pixels[static_cast<std::size_t>(layout.height - 1 - row) * layout.width * 4];
            for (int column = 0; column < layout.width; ++column) {
                out[column * 4 + 3] = SampleBits(dib, maskRow, column, 1) != 0 ? 0 : 255;
            }
        }
    }
}

// The directory entry with the most pixels: the sharpest picture the file offers.
std::size_t LargestEntry(const ByteReader& file, int count) {
    std::size_t best = 0;
    int bestArea = -1;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = IconDirectorySize + static_cast<std::size_t>(i) * IconEntrySize;
        const int width = file.U8(entry) == 0 ? 256 : static_cast<int>(file.U8(entry));
        const int height = file.U8(entry + 1) == 0 ? 256 : static_cast<int>(file.U8(entry + 1));
        if (width * height > bestArea) {
            bestArea = width * height;
            best = entry;
        }
    }
    return best;
}

std::string ParseStaticCursorInto(std::span<const std::uint8_t> bytes, CursorImage& image) {
    const ByteReader file(bytes);
    if (!file.Has(0, IconDirectorySize)) {
        return "file shorter than an icon directory";
    }
    const std::uint32_t type = file.U16(2);
    const int count = static_cast<int>(file.U16(4));
    if (file.U16(0) != 0 || (type != 1 && type != 2)) {
        return "not a cursor file";
    }
    if (count < 1 || count > MaxDirectoryEntries) {
        return "directory entry count out of range";
    }
    if (!file.Has(IconDirectorySize, static_cast<std::uint64_t>(count) * IconEntrySize)) {
        return "directory cut short";
    }
    const std::size_t entry = LargestEntry(file, count);
    const std::uint32_t length = file.U32(entry + 8);
    const std::uint32_t offset = file.U32(entry + 12);
    if (!file.Has(offset, length)) {
        return "image data lies outside the file";
    }
    const ByteReader dib(file.Slice(offset, length));
    DibLayout layout;
    if (std::string error = ReadDibLayout(dib, layout); !error.empty()) {
        return error;
    }
    DecodeDib(dib, layout, image);
    // Icons keep planes and bit count where cursors keep the hotspot.
    const int hotspotX = type == 2 ? static_cast<int>(file.U16(entry + 4)) : 0;
    const int hotspotY = type == 2 ? static_cast<int>(file.U16(entry + 6)) : 0;
    image.hotspotX = std::clamp(hotspotX, 0, image.width - 1);
    image.hotspotY = std::clamp(hotspotY, 0, image.height - 1);
    return {};
}

// The "anih" chunk of an animated cursor.
struct AnimationHeader {
    std::uint32_t frames = 0;
    std::uint32_t steps = 0;
    std::uint32_t displayRate = 0; // in sixtieths of a second
    std::uint32_t flags = 0;
    bool present = false;
};

constexpr std::uint32_t FramesAreIcons = 1;
constexpr std::uint32_t HasSequence = 2;
constexpr std::size_t AnimationHeaderSize = 36;

struct AnimationChunks {
    AnimationHeader header;
    std::vector<std::uint32_t> rates;
    std::vector<std::uint32_t> sequence;
    std::vector<std::span<const std::uint8_t>> icons;
};

std::vector<std::uint32_t> ReadWords(const ByteReader& chunk) {
    std::vector<std::uint32_t> words;
    const std::size_t count = std::min<std::size_t>(chunk.Size() / 4, MaxCursorSteps + 1);
    for (std::size_t i = 0; i < count; ++i) {
        words.push_back(chunk.U32(i * 4));
    }
    return words;
}

// Calls visit(tag offset, chunk reader) for each chunk between begin and end; chunks are padded to an even
// length. Answers a reason when a chunk claims more bytes than remain.
template <typename Visit>
std::string ForEachChunk(const ByteReader& file, std::size_t begin, std::size_t end, Visit visit) {
    std::size_t at = begin;
    while (at + 8 <= end) {
        const std::uint32_t length = file.U32(at + 4);
        if (length > end - at - 8) {
            return "chunk runs past the end of the file";
        }
        if (std::string error = visit(at, ByteReader(file.Slice(at + 8, length))); !error.empty()) {
            return error;
        }
        at += 8 + static_cast<std::size_t>(length) + (length & 1);
    }
    return {};
}

std::string ReadFrameList(const ByteReader& file, std::size_t at, std::size_t length,
                          AnimationChunks& chunks) {
    return ForEachChunk(file, at + 12, at + 8 + length, [&](std::size_t tag, const ByteReader& chunk) {
        if (file.Tag(tag, "icon")) {
            if (chunks.icons.size() >= static_cast<std::size_t>(MaxCursorFrames)) {
                return std::string("too many frames");
            }
            chunks.icons.push_back(chunk.Slice(0, chunk.Size()));
        }
        return std::string();
    });
}

std::string ReadAnimationChunks(const ByteReader& file, std::size_t end, AnimationChunks& chunks) {
    return ForEachChunk(file, 12, end, [&](std::size_t tag, const ByteReader& chunk) {
        if (file.Tag(tag, "anih")) {
            if (chunk.Size() < AnimationHeaderSize) {
                return std::string("animation header cut short");
            }
            chunks.header = {chunk.U32(4), chunk.U32(8), chunk.U32(28), chunk.U32(32), true};
        } else if (file.Tag(tag, "rate")) {
            chunks.rates = ReadWords(chunk);
        } else if (file.Tag(tag, "seq ")) {
            chunks.sequence = ReadWords(chunk);
        } else if (file.Tag(tag, "LIST") && chunk.Tag(0, "fram")) {
            return ReadFrameList(file, tag, chunk.Size(), chunks);
        }
        return std::string();
    });
}

// Sixtieths of a second to milliseconds; a rate of 0 would spin, so one sixtieth is the shortest step.
int JiffiesToMilliseconds(std::uint32_t jiffies) {
    const std::uint32_t bounded = std::clamp<std::uint32_t>(jiffies, 1, 60 * 60);
    return static_cast<int>(bounded * 1000 / 60);
}

std::string BuildSteps(const AnimationChunks& chunks, CursorAnimation& animation) {
    const AnimationHeader& header = chunks.header;
    const bool sequenced = (header.flags & HasSequence) != 0;
    const std::size_t steps = sequenced ? header.steps : header.frames;
    if (steps < 1 || steps > static_cast<std::size_t>(MaxCursorSteps)) {
        return "step count out of range";
    }
    if (sequenced && chunks.sequence.size() < steps) {
        return "sequence shorter than the step count";
    }
    if (!chunks.rates.empty() && chunks.rates.size() < steps) {
        return "rate list shorter than the step count";
    }
    for (std::size_t step = 0; step < steps; ++step) {
        const std::uint32_t frame = sequenced ? chunks.sequence[step] : static_cast<std::uint32_t>(step);
        if (frame >= header.frames) {
            return "sequence names a frame the file does not have";
        }
        const std::uint32_t rate = chunks.rates.empty() ? header.displayRate : chunks.rates[step];
        animation.steps.push_back({static_cast<int>(frame), JiffiesToMilliseconds(rate)});
    }
    return {};
}

std::string ParseAnimatedCursorInto(std::span<const std::uint8_t> bytes, CursorAnimation& animation) {
    const ByteReader file(bytes);
    if (!file.Tag(0, "RIFF") || !file.Tag(8, "ACON")) {
        return "not a RIFF ACON file";
    }
    // Some writers get the RIFF length wrong: trust it only as far as the bytes go.
    const std::size_t end =
        static_cast<std::size_t>(std::min<std::uint64_t>(file.U32(4) + 8ull, file.Size()));
    AnimationChunks chunks;
    if (std::string error = ReadAnimationChunks(file, end, chunks); !error.empty()) {
        return error;
    }
    const AnimationHeader& header = chunks.header;
    if (!header.present) {
        return "no animation header";
    }
    if ((header.flags & FramesAreIcons) == 0) {
        return "raw bitmap frames are not supported";
    }
    if (header.frames < 1 || header.frames != chunks.icons.size()) {
        return "frame count does not match the frames present";
    }
    for (std::span<const std::uint8_t> icon : chunks.icons) {
        CursorImage image;
        if (std::string error = ParseStaticCursorInto(icon, image); !error.empty()) {
            return "frame " + std::to_string(animation.frames.size()) + ": " + error;
        }
        animation.frames.push_back(std::move(image));
    }
    return BuildSteps(chunks, animation);
}

template <typename Output, typename Parse> std::string ParseOrClear(Output& output, Parse parse) {
    output = {};
    std::string error = parse();
    if (!error.empty()) {
        output = {};
    }
    return error;
}

} // namespace

std::string ParseStaticCursor(std::span<const std::uint8_t> bytes, CursorImage& image) {
    return ParseOrClear(image, [&] { return ParseStaticCursorInto(bytes, image); });
}

std::string ParseAnimatedCursor(std::span<const std::uint8_t> bytes, CursorAnimation& animation) {
    return ParseOrClear(animation, [&] { return ParseAnimatedCursorInto(bytes, animation); });
}

std::string ParseCursor(std::span<const std::uint8_t> bytes, CursorAnimation& animation) {
    if (ByteReader(bytes).Tag(0, "RIFF")) {
        return ParseAnimatedCursor(bytes, animation);
    }
    return ParseOrClear(animation, [&] {
        CursorImage image;
        std::string error = ParseStaticCursorInto(bytes, image);
        if (error.empty()) {
            animation.frames.push_back(std::move(image));
            animation.steps.push_back({0, 0});
        }
        return error;
    });
}

std::string ReadCursorFile(const std::string& path, CursorAnimation& animation) {
    animation = {};
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "cannot open " + path;
    }
    // Cursor files are small; anything past a few megabytes is not one.
    constexpr std::streamoff MaxFileSize = 64 << 20;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || size > MaxFileSize) {
        return "file too large for a cursor";
    }
    file.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    return ParseCursor(bytes, animation);
}

} // namespace platform
