// Reading ".cur" and ".ani" cursor files: the game's own cursors, crafted images of each kind, and
// malformed files, which must be refused without reading outside the bytes given.
#include "platform/CursorFile.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using platform::CursorAnimation;
using platform::CursorImage;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(Bytes& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xffff);
    Put16(bytes, value >> 16);
}
// Byte by byte: GCC 12 mistakes a range insert into an empty vector for an overflow.
void PutTag(Bytes& bytes, const char* tag) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A one-image cursor file around a bitmap with the given bit count, palette, colour rows and mask rows
// (both bottom-up and already padded).
Bytes CursorFile(int width, int height, int bitCount, const Bytes& palette, const Bytes& colourRows,
                 const Bytes& maskRows, int hotspotX, int hotspotY, std::uint32_t type = 2) {
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, static_cast<std::uint32_t>(width));
    Put32(dib, static_cast<std::uint32_t>(height * 2));
    Put16(dib, 1);
    Put16(dib, static_cast<std::uint32_t>(bitCount));
    for (int i = 0; i < 6; ++i) {
        Put32(dib, 0);
    }
    dib.insert(dib.end(), palette.begin(), palette.end());
    dib.insert(dib.end(), colourRows.begin(), colourRows.end());
    dib.insert(dib.end(), maskRows.begin(), maskRows.end());
    Bytes file;
    Put16(file, 0);
    Put16(file, type);
    Put16(file, 1);
    file.push_back(static_cast<std::uint8_t>(width));
    file.push_back(static_cast<std::uint8_t>(height));
    file.push_back(0);
    file.push_back(0);
    Put16(file, static_cast<std::uint32_t>(hotspotX));
    Put16(file, static_cast<std::uint32_t>(hotspotY));
    Put32(file, static_cast<std::uint32_t>(dib.size()));
    Put32(file, 22);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// 2 x 2, one bit per pixel: top row black then white, bottom row white then a black that the mask hides.
Bytes TwoByTwoPalettised() {
    const Bytes palette = {0, 0, 0, 0, 255, 255, 255, 0};
    const Bytes colour = {0b1000'0000, 0, 0, 0, 0b0100'0000, 0, 0, 0}; // bottom row first
    const Bytes mask = {0b0100'0000, 0, 0, 0, 0, 0, 0, 0};
    return CursorFile(2, 2, 1, palette, colour, mask, 1, 0);
}

Bytes Chunk(const char* tag, const Bytes& data) {
    Bytes bytes;
    PutTag(bytes, tag);
    Put32(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) {
        bytes.push_back(0);
    }
    return bytes;
}

Bytes Words(std::initializer_list<std::uint32_t> words) {
    Bytes bytes;
    for (std::uint32_t word : words) {
        Put32(bytes, word);
    }
    return bytes;
}

struct AniParts {
    std::uint32_t frames = 2;
    std::uint32_t steps = 3;
    std::uint32_t flags = 3;
    Bytes rate = Words({6, 12, 3});
    Bytes sequence = Words({1, 0, 1});
    int iconCount = 2;
};

Bytes AnimatedFile(const AniParts& parts) {
    Bytes frameList;
    PutTag(frameList, "fram");
    for (int i = 0; i < parts.iconCount; ++i) {
        const Bytes icon = TwoByTwoPalettised();
        const Bytes chunk = Chunk("icon", icon);
        frameList.insert(frameList.end(), chunk.begin(), chunk.end());
    }
    Bytes body;
    PutTag(body, "ACON");
    for (const Bytes& chunk :
         {Chunk("anih", Words({36, parts.frames, parts.steps, 0, 0, 0, 0, 10, parts.flags})),
          Chunk("rate", parts.rate), Chunk("seq ", parts.sequence), Chunk("LIST", frameList)}) {
        body.insert(body.end(), chunk.begin(), chunk.end());
    }
    Bytes file;
    PutTag(file, "RIFF");
    Put32(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::string Refusal(const Bytes& bytes) {
    CursorAnimation animation;
    std::string error = platform::ParseCursor(bytes, animation);
    if (!error.empty()) {
        EXPECT_TRUE(animation.frames.empty());
    }
    return error;
}

} // namespace

TEST(CursorFile, GameCursorsHaveTheirSizeAndHotspot) {
    const auto folder = testing_support::SourceDir() / "data/graphics/cursors";
    CursorAnimation arrow;
    ASSERT_EQ(platform::ReadCursorFile((folder / "default.cur").string(), arrow), "");
    ASSERT_EQ(arrow.frames.size(), 1u);
    EXPECT_EQ(arrow.frames[0].width, 32);
    EXPECT_EQ(arrow.frames[0].height, 32);
    EXPECT_EQ(arrow.frames[0].hotspotX, 1);
    EXPECT_EQ(arrow.frames[0].hotspotY, 1);

    CursorAnimation attack;
    ASSERT_EQ(platform::ReadCursorFile((folder / "attack.ani").string(), attack), "");
    EXPECT_EQ(attack.frames.size(), 6u);
    ASSERT_EQ(attack.steps.size(), 6u);
    EXPECT_EQ(attack.steps[5].frame, 5);
    EXPECT_EQ(attack.steps[0].milliseconds, 83);
    EXPECT_EQ(attack.frames[3].hotspotX, 15);
    EXPECT_EQ(attack.frames[3].hotspotY, 15);
}

TEST(CursorFile, PalettisedImageTakesItsTransparencyFromTheMask) {
    CursorImage image;
    ASSERT_EQ(platform::ParseStaticCursor(TwoByTwoPalettised(), image), "");
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.hotspotX, 1);
    const Bytes expected = {0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0, 0};
    EXPECT_EQ(image.pixels, expected);
}

TEST(CursorFile, TrueColourImageKeepsAlphaOrFallsBackToTheMask) {
    const Bytes withAlpha = {1, 2, 3, 128};
    CursorImage image;
    ASSERT_EQ(platform::ParseStaticCursor(CursorFile(1, 1, 32, {}, withAlpha, {0, 0, 0, 0}, 0, 0), image),
              "");
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 128}));

    const Bytes noAlpha = {1, 2, 3, 0};
    ASSERT_EQ(platform::ParseStaticCursor(CursorFile(1, 1, 32, {}, noAlpha, {0, 0, 0, 0}, 0, 0), image), "");
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 255}));
}

TEST(CursorFile, HotspotOutsideTheImageIsClampedIntoIt) {
    CursorImage image;
    ASSERT_EQ(platform::ParseStaticCursor(CursorFile(1, 1, 32, {}, {1, 2, 3, 4}, {}, 900, 900), image), "");
    EXPECT_EQ(image.hotspotX, 0);
    EXPECT_EQ(image.hotspotY, 0);
}

TEST(CursorFile, AnimationFollowsItsSequenceAndRates) {
    CursorAnimation animation;
    ASSERT_EQ(platform::ParseCursor(AnimatedFile({}), animation), "");
    ASSERT_EQ(animation.frames.size(), 2u);
    ASSERT_EQ(animation.steps.size(), 3u);
    EXPECT_EQ(animation.steps[0].frame, 1);
    EXPECT_EQ(animation.steps[1].frame, 0);
    EXPECT_EQ(animation.steps[0].milliseconds, 100);
    EXPECT_EQ(animation.steps[1].milliseconds, 200);
    EXPECT_EQ(animation.steps[2].milliseconds, 50);
}

TEST(CursorFile, AnimationWithoutSequenceOrRatesShowsFramesInOrderAtTheHeaderRate) {
    AniParts parts;
    parts.flags = 1;
    parts.steps = 99; // ignored without a sequence: one step per frame
    parts.rate = {};
    CursorAnimation animation;
    ASSERT_EQ(platform::ParseCursor(AnimatedFile(parts), animation), "");
    ASSERT_EQ(animation.steps.size(), 2u);
    EXPECT_EQ(animation.steps[1].frame, 1);
    EXPECT_EQ(animation.steps[1].milliseconds, 166);
}

TEST(CursorFile, MalformedAnimationsAreRefused) {
    AniParts badFrame;
    badFrame.sequence = Words({0, 2, 1});
    EXPECT_NE(Refusal(AnimatedFile(badFrame)), "");
    AniParts missingIcon;
    missingIcon.iconCount = 1;
    EXPECT_NE(Refusal(AnimatedFile(missingIcon)), "");
    AniParts shortRates;
    shortRates.rate = Words({6});
    EXPECT_NE(Refusal(AnimatedFile(shortRates)), "");
    AniParts rawFrames;
    rawFrames.flags = 2;
    EXPECT_NE(Refusal(AnimatedFile(rawFrames)), "");
    AniParts hugeSteps;
    hugeSteps.steps = 0xffffffff;
    EXPECT_NE(Refusal(AnimatedFile(hugeSteps)), "");

    Bytes chunkPastEnd = AnimatedFile({});
    chunkPastEnd[16] = 0xff; // the "anih" chunk's length
    chunkPastEnd[17] = 0xff;
    EXPECT_NE(Refusal(chunkPastEnd), "");
}

TEST(CursorFile, MalformedStaticCursorsAreRefused) {
    EXPECT_NE(Refusal({}), "");
    EXPECT_NE(Refusal({0, 0, 2, 0, 0, 0}), ""); // no entries
    Bytes wrongType = TwoByTwoPalettised();
    wrongType[2] = 3;
    EXPECT_NE(Refusal(wrongType), "");
    Bytes farOffset = TwoByTwoPalettised();
    farOffset[18] = 0xff; // image offset
    EXPECT_NE(Refusal(farOffset), "");
    Bytes hugeWidth = TwoByTwoPalettised();
    hugeWidth[22 + 5] = 0x10; // bitmap width 4098
    EXPECT_NE(Refusal(hugeWidth), "");
    Bytes oddBitCount = TwoByTwoPalettised();
    oddBitCount[22 + 14] = 7;
    EXPECT_NE(Refusal(oddBitCount), "");
    Bytes png = TwoByTwoPalettised();
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::copy(signature.begin(), signature.end(), png.begin() + 22);
    EXPECT_NE(Refusal(png), "");
}

TEST(CursorFile, EveryTruncationOfARealCursorIsRefused) {
    const auto folder = testing_support::SourceDir() / "data/graphics/cursors";
    for (const char* name : {"default.cur", "attack.ani"}) {
        const Bytes whole = FileBytes(folder / name);
        ASSERT_FALSE(whole.empty()) << name;
        for (std::size_t length = 0; length < whole.size(); length += 7) {
            EXPECT_NE(Refusal(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length))), "")
                << name << " cut at " << length;
        }
    }
}
