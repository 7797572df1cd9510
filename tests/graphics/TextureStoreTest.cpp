// The TextureStore on a scratch data folder: entry types, the order of look-ups, replacement and fallback.
#include "graphics/TextureStore.h"
#include "datafiles/DataArchive.h"
#include "graphics/BitmapImage.h"
#include "tests/support/GlTestWindow.h"
#include "tests/support/TestPaths.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using Vorn::BitmapImage;
using Vorn::TextureStore;

namespace {

using Rgba = std::array<std::uint8_t, 4>;

constexpr Rgba Red = {255, 0, 0, 255};
constexpr Rgba Green = {0, 255, 0, 255};
constexpr Rgba Blue = {0, 0, 255, 255};
constexpr Rgba Magenta = {255, 0, 255, 255};

// Runs the test inside a scratch folder holding data/, as the game runs beside its data.
class TextureStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        const auto folder = testing_support::ScratchDir("texture_store");
        std::filesystem::create_directories(folder / "data/graphics/textures");
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        store.Release();
        std::filesystem::current_path(previous);
    }

    static void WriteBitmap(const std::string& src, Rgba colour) {
        BitmapImage image;
        image.width = 2;
        image.height = 2;
        for (int i = 0; i < 4; ++i) {
            image.pixels.insert(image.pixels.end(), colour.begin(), colour.end());
        }
        image.WriteFile(TextureStore::BitmapPath(src), BitmapImage::Zlib);
    }
    static void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    static void WritePainted(const std::string& src, Rgba colour) {
        WriteText("data/graphics/textures/" + src,
                  "<texture size=\"2\"><fill r=\"" + std::to_string(colour[0]) + "\" g=\"" +
                      std::to_string(colour[1]) + "\" b=\"" + std::to_string(colour[2]) +
                      "\" a=\"255\"/></texture>");
    }
    void CreateFrom(const std::string& description) {
        Brisk::Node document;
        document.LoadText(description.c_str());
        store.Load(document);
        store.Create();
    }
    // The first texel of level 0 of the named texture.
    Rgba FirstTexel(const std::string& name) const {
        glBindTexture(GL_TEXTURE_2D, store.FindTexture(name));
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<std::uint8_t> texels(static_cast<std::size_t>(width * height * 4) + 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return {texels[0], texels[1], texels[2], texels[3]};
    }

    testing_support::GlTestWindow window;
    TextureStore store;
    std::filesystem::path previous;
};

} // namespace

TEST_F(TextureStoreTest, TypeAReadsImageFilesLikeTypeAbitmap) {
    SKIP_WITHOUT_GL(window);
    WriteBitmap("red", Red);
    CreateFrom(R"(<short type="a" src="red"/><long type="aBitmap" src="red"/>)");
    EXPECT_EQ(FirstTexel("short"), Red);
    EXPECT_EQ(FirstTexel("long"), Red);
    EXPECT_NE(store.FindTexture("short"), store.FindTexture("long"));
}

TEST_F(TextureStoreTest, UnknownOrUnreadableNamesGiveTheFourByFourMagentaDefault) {
    SKIP_WITHOUT_GL(window);
    WriteText(TextureStore::BitmapPath("broken"), "aBitmapX and the rest");
    WriteText("data/graphics/textures/nosize.xml",
              "<texture><fill r=\"1\" g=\"1\" b=\"1\" a=\"1\"/></texture>");
    CreateFrom(R"(<broken type="a" src="broken"/><missing type="a" src="nowhere"/><nosize type="xml"
        src="nosize.xml"/><untyped src="red"/><odd type="png" src="red"/>)");
    const unsigned int fallback = store.FindTexture("never declared");
    ASSERT_NE(fallback, 0u);
    for (const char* name : {"broken", "missing", "nosize", "untyped", "odd"}) {
        EXPECT_EQ(store.FindTexture(name), fallback) << name;
    }
    EXPECT_EQ(FirstTexel("never declared"), Magenta);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 4);
}

TEST_F(TextureStoreTest, LaterEntryOfTheSameNameWins) {
    SKIP_WITHOUT_GL(window);
    WriteBitmap("red", Red);
    WriteBitmap("green", Green);
    WritePainted("blue.xml", Blue);
    WritePainted("red.xml", Red);
    CreateFrom(R"(<file type="a" src="red"/><file type="a" src="green"/>
                  <painted type="xml" src="blue.xml"/><painted type="xml" src="red.xml"/>
                  <kept type="a" src="green"/><kept type="a" src="unreadable"/>)");
    EXPECT_EQ(FirstTexel("file"), Green);
    EXPECT_EQ(FirstTexel("painted"), Red);
    EXPECT_EQ(FirstTexel("kept"), Green) << "a failed later entry leaves the earlier texture";
}

TEST_F(TextureStoreTest, FileTextureWinsOverPaintedTextureOfTheSameName) {
    SKIP_WITHOUT_GL(window);
    WriteBitmap("green", Green);
    WritePainted("blue.xml", Blue);
    CreateFrom(R"(<both type="a" src="green"/><both type="xml" src="blue.xml"/>)");
    EXPECT_EQ(FirstTexel("both"), Green);
}

TEST_F(TextureStoreTest, ReleaseDeletesEveryTexture) {
    SKIP_WITHOUT_GL(window);
    WriteBitmap("green", Green);
    WritePainted("blue.xml", Blue);
    CreateFrom(R"(<file type="a" src="green"/><painted type="xml" src="blue.xml"/>)");
    const unsigned int file = store.FindTexture("file");
    const unsigned int painted = store.FindTexture("painted");
    const unsigned int fallback = store.FindTexture("none");
    store.Release();
    EXPECT_FALSE(glIsTexture(file));
    EXPECT_FALSE(glIsTexture(painted));
    EXPECT_FALSE(glIsTexture(fallback));
}

TEST(TexturePaintedDescription, CommandsRunInOrderAndIncompleteOnesAreSkipped) {
    Brisk::Node document;
    document.LoadText(R"(<texture size="4">
        <fill r="0" g="0" b="255" a="255"/>
        <box x="-1" y="-1" w="3" h="3" r="255" g="0" b="0" a="255"/>
        <pixel x="3" y="3" r="0" g="255" b="0" a="255"/>
        <pixel x="4" y="0" r="0" g="255" b="0" a="255"/>
        <box x="0" y="0" w="4" h="4" r="9" g="9" b="9"/>
        <circle x="1" y="1" r="9"/>
    </texture>)");
    Vorn::PixelTexture texture;
    ASSERT_TRUE(TextureStore::Paint(document, texture));
    EXPECT_EQ(texture.PixelAt(1, 1), 0xffff0000u);
    EXPECT_EQ(texture.PixelAt(2, 2), 0xff0000ffu);
    EXPECT_EQ(texture.PixelAt(3, 3), 0xff00ff00u);
    EXPECT_EQ(std::count(texture.pixels.begin(), texture.pixels.end(), 0xff00ff00u), 1);
}

TEST(TexturePaintedDescription, MissingOrUnusableSizeIsRefused) {
    for (const char* text : {"<picture size=\"4\"/>", "<texture/>", "<texture size=\"0\"/>",
                             "<texture size=\"-8\"/>", "<texture size=\"100000\"/>"}) {
        Brisk::Node document;
        document.LoadText(text);
        Vorn::PixelTexture texture;
        EXPECT_FALSE(TextureStore::Paint(document, texture)) << text;
    }
}

TEST(TextureStoreGameData, EveryDeclaredTextureLoadsFromTheGameData) {
    testing_support::GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(testing_support::SourceDir());
    TextureStore store;
    store.Load(dataArchive.ReadDocument("textures.xml"));
    store.Create();
    const unsigned int fallback = store.FindTexture("never declared");
    ASSERT_GE(store.Description().children.size(), 11u);
    for (const Brisk::Node& entry : store.Description().children) {
        EXPECT_NE(store.FindTexture(entry.name), fallback) << entry.name;
    }
    store.Release();
    std::filesystem::current_path(previous);
}
