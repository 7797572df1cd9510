// WAV files: what is written reads back the same, and a damaged or hostile file is refused or cut to what
// it really holds, never read beyond.
#include "sound/WavFile.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace Vorn;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(WavFile, WhatIsWrittenReadsBackTheSame) {
    const std::filesystem::path folder = testing_support::ScratchDir("wav-file");
    const PcmRecording written{44100, 2, {0, 1, -1, 32767, -32768, 1234}};
    ASSERT_EQ(WriteWav((folder / "a.wav").string(), written), "");
    PcmRecording read;
    ASSERT_EQ(ReadWav((folder / "a.wav").string(), read), "");
    EXPECT_EQ(read.sampleRate, 44100);
    EXPECT_EQ(read.channels, 2);
    EXPECT_EQ(read.samples, written.samples);
    EXPECT_NE(WriteWav((folder / "missing" / "b.wav").string(), written), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    std::filesystem::remove_all(folder);

    EXPECT_EQ(ToPcm(std::vector<float>{0.5f, 2.0f, -3.0f}),
              (std::vector<std::int16_t>{16384, 32767, -32767}));
}

TEST(WavFile, DamagedFilesAreRefusedOrCutToWhatTheyHold) {
    const std::string whole = EncodeWav({8000, 1, {10, 20, 30, 40}});
    PcmRecording recording;
    EXPECT_EQ(ParseWav(Bytes(whole), recording), "");
    EXPECT_EQ(recording.samples.size(), 4u);

    EXPECT_EQ(ParseWav(Bytes(whole.substr(0, whole.size() - 3)), recording), "");
    EXPECT_EQ(recording.samples, (std::vector<std::int16_t>{10, 20})) << "a truncated data chunk";

    std::string claimsMore = whole;
    claimsMore[40] = claimsMore[41] = claimsMore[42] = claimsMore[43] = '\xFF'; // the data size: 4 GB
    EXPECT_EQ(ParseWav(Bytes(claimsMore), recording), "");
    EXPECT_EQ(recording.samples.size(), 4u);

    std::string eightBit = whole;
    eightBit[34] = 8;
    EXPECT_NE(ParseWav(Bytes(eightBit), recording).find("not 16-bit PCM"), std::string::npos);
    std::string manyChannels = whole;
    manyChannels[22] = 6;
    EXPECT_NE(ParseWav(Bytes(manyChannels), recording).find("6 channels"), std::string::npos);
    const char dataFirst[] = "RIFF\x04\0\0\0WAVEdata\x02\0\0\0ab";
    EXPECT_NE(
        ParseWav(Bytes(std::string(dataFirst, sizeof dataFirst - 1)), recording).find("before its format"),
        std::string::npos);
    EXPECT_NE(ParseWav(Bytes(whole.substr(0, 36)), recording).find("no data"), std::string::npos);
    EXPECT_NE(ParseWav(Bytes("OggS"), recording).find("not a RIFF WAVE"), std::string::npos);
    EXPECT_TRUE(recording.samples.empty());
}

} // namespace
