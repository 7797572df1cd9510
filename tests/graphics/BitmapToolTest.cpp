// sector-clash-bitmap: PNG to aBitmap and back gives the same pixels; a bad file fails with its status.
#include "graphics/BitmapImage.h"
#include "platform/PngFile.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

std::string Tool() {
    return (testing_support::BinDir() / "sector-clash-bitmap").string();
}

int RunTool(const std::string& arguments) {
    return std::system((Tool() + " " + arguments + " 2>/dev/null").c_str());
}

} // namespace

TEST(BitmapTool, EncodeThenDecodeGivesBackThePngPixels) {
    if (!std::filesystem::exists(Tool())) {
        GTEST_SKIP() << "sector-clash-bitmap is not built";
    }
    const auto folder = testing_support::ScratchDir("bitmap_tool");
    platform::RgbaImage original{3, 2, {}};
    for (int i = 0; i < 24; ++i) {
        original.pixels.push_back(static_cast<std::uint8_t>(i * 11));
    }
    ASSERT_EQ(platform::WritePng((folder / "in.png").string(), original), "");
    for (const std::string option : {"", " --stored"}) {
        const auto bitmap = (folder / "out.aBitmap").string();
        const auto png = (folder / "back.png").string();
        ASSERT_EQ(RunTool("encode " + (folder / "in.png").string() + " " + bitmap + option), 0);
        ASSERT_EQ(RunTool("decode " + bitmap + " " + png), 0);
        platform::RgbaImage decoded;
        ASSERT_EQ(platform::ReadPng(png, decoded), "");
        EXPECT_EQ(decoded.width, 3);
        EXPECT_EQ(decoded.pixels, original.pixels) << "option '" << option << "'";
        Vorn::BitmapImage image;
        ASSERT_EQ(image.ReadFile(bitmap), Vorn::BitmapImage::Read);
        EXPECT_EQ(image.compression, option.empty() ? Vorn::BitmapImage::Zlib : Vorn::BitmapImage::Stored);
    }
}

TEST(BitmapTool, DecodingABadFileFailsWithItsStatus) {
    if (!std::filesystem::exists(Tool())) {
        GTEST_SKIP() << "sector-clash-bitmap is not built";
    }
    const auto folder = testing_support::ScratchDir("bitmap_tool_bad");
    std::ofstream(folder / "bad.aBitmap") << "aBitmapX-not-an-image-at-all-not-at-all";
    const std::string command = Tool() + " decode " + (folder / "bad.aBitmap").string() + " " +
                                (folder / "out.png").string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    const bool printed = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_NE(status, 0);
    ASSERT_TRUE(printed);
    EXPECT_NE(std::string(line).find("status -2"), std::string::npos) << line;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.png"));
    EXPECT_NE(RunTool("encode only-one-argument"), 0);
}
