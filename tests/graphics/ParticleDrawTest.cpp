// What a particle system puts on screen: sprite size over the move, spin, heading, fading and the count.
#include "datafiles/ColourTable.h"
#include "datafiles/Node.h"
#include "graphics/ParticleBatch.h"
#include "graphics/ParticleDrawing.h"
#include "graphics/PixelTexture.h"
#include "graphics/TextureStore.h"
#include "tests/support/GlTestWindow.h"
#include "visuals/ParticleSystemFactory.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using testing_support::GlTestWindow;
using testing_support::Pixel;

// One white particle at the origin: static, living 1000 ms, growing over a 100 ms move.
std::string Document(const std::string& size, const std::string& systemExtras = "") {
    return R"(<behavior><Still><life_time value="10"/><emit_time value="10"/><emit_number value="1"/>
              <particle_life_time value="1000"/><particle_move_time value="100"/></Still></behavior>
              <system><Dot><behavior value="Still"/><color value="white"/>
              <particle_size value=")" +
           size + R"("/><particle_size_end value="8"/>)" + systemExtras + "</Dot></system>";
}

class ParticleDrawTest : public testing::Test {
protected:
    void SetUp() override {
        colourTable.Store("white", {255, 255, 255, 255});
        if (window.Ok()) {
            window.Clear();
            glDisable(GL_TEXTURE_2D);
            glDisable(GL_BLEND);
        }
    }

    std::unique_ptr<Vorn::ParticleSystem> Make(const std::string& text) {
        Brisk::Node document;
        document.LoadText(text.c_str());
        factory.Load(document);
        return factory.CreateSystem("Dot");
    }

    // Draws the system with its origin at the window's centre.
    void DrawCentred(Vorn::ParticleSystem& system) {
        glPushMatrix();
        glTranslatef(160.0f, 120.0f, 0.0f);
        DrawParticleSystem(system);
        glPopMatrix();
    }

    bool Lit(int dx, int dy) const { return window.ReadPixel(160 + dx, 120 + dy) != Pixel{0, 0, 0}; }

    GlTestWindow window;
    Vorn::ParticleSystemFactory factory;
};

TEST_F(ParticleDrawTest, TheSpriteGrowsFromItsSizeToTheEndSizeOverTheMove) {
    SKIP_WITHOUT_GL(window);
    auto system = Make(Document("2"));
    system->Update(10);
    system->Update(40); // age 50: half side 2 + 0.5 x (8 - 2) = 5
    DrawCentred(*system);
    EXPECT_TRUE(Lit(4, 0));
    EXPECT_FALSE(Lit(6, 0));

    system->Update(200); // the move is over: half side 8
    window.Clear();
    DrawCentred(*system);
    EXPECT_TRUE(Lit(7, 7));
    EXPECT_FALSE(Lit(9, 0));
}

TEST_F(ParticleDrawTest, ASpriteOfSizeZeroGrowsFromNothing) {
    SKIP_WITHOUT_GL(window);
    auto system = Make(Document("0"));
    system->Update(10);
    system->Update(40);
    DrawCentred(*system);
    EXPECT_TRUE(Lit(3, 0));
    EXPECT_FALSE(Lit(5, 0));
}

TEST_F(ParticleDrawTest, SpinTurnsTheSquareCounterClockwise) {
    SKIP_WITHOUT_GL(window);
    auto system = Make(Document("8", R"(<rotation_speed value="45"/>)"));
    system->Update(10);
    // The system hands out its particles read-only; the test fixes the one random part of the look.
    const_cast<Vorn::Particle&>(system->Particles()[0].sprite).spinFactor = 1.0f;
    system->Update(500);
    DrawCentred(*system);
    // Turned by 45 degrees the square's corners point along the axes.
    EXPECT_TRUE(Lit(10, 0));
    EXPECT_TRUE(Lit(0, -10));
    EXPECT_FALSE(Lit(7, 7));
}

// The sprites look their texture up through their record when drawn, so a particle emitted before the
// textures exist, or before they are made again for a new window, draws with the one the store has now.
TEST_F(ParticleDrawTest, SpritesDrawWithTheTextureTheStoreHoldsNow) {
    SKIP_WITHOUT_GL(window);
    const auto adopt = [](int r, int g, int b) {
        auto texture = std::make_unique<Vorn::PixelTexture>();
        texture->Create(4);
        texture->Fill(r, g, b, 255);
        texture->Upload();
        Vorn::textureStore.Adopt("particle-test", std::move(texture));
    };
    auto system = Make(Document("8", R"(<texture value="particle-test"/>)"));
    system->Update(10);
    glEnable(GL_TEXTURE_2D);
    adopt(255, 0, 0);
    DrawCentred(*system);
    const Pixel red = window.ReadPixel(160, 120);
    adopt(0, 255, 0);
    window.Clear();
    DrawCentred(*system);
    const Pixel green = window.ReadPixel(160, 120);
    glDisable(GL_TEXTURE_2D);
    Vorn::textureStore.Release();
    EXPECT_EQ(red, (Pixel{255, 0, 0}));
    EXPECT_EQ(green, (Pixel{0, 255, 0}));
}

TEST_F(ParticleDrawTest, FadedParticlesDrawDarkerAndEveryDrawIsCounted) {
    SKIP_WITHOUT_GL(window);
    auto system = Make(Document("4"));
    system->Update(10);
    system->Update(740); // age 750: alpha 0.25
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    std::uint32_t drawn = 0;
    Vorn::drawnParticleCounter = &drawn;
    DrawCentred(*system);
    DrawCentred(*system);
    Vorn::drawnParticleCounter = nullptr;
    EXPECT_EQ(drawn, 2u);
    const Pixel pixel = window.ReadPixel(160, 120);
    // Two layers of alpha 0.25 over black: 1 - 0.75^2 of white.
    EXPECT_NEAR(pixel.r, 255 * (1 - 0.75 * 0.75), 3);
}

// Several turned, spun and growing particles, drawn in one batch and then each under its own matrix.
TEST_F(ParticleDrawTest, BatchedDrawingMatchesDrawingOneByOne) {
    SKIP_WITHOUT_GL(window);
    auto system = Make(R"(<behavior><Spray><life_time value="10"/><emit_time value="10"/>
        <emit_number value="6"/><particle_life_time value="1000"/><particle_move_time value="400"/>
        <particle_speed value="120"/></Spray></behavior>
        <system><Dot><behavior value="Spray"/><color value="white"/><particle_size value="3"/>
        <particle_size_end value="9"/><rotation_speed value="70"/><scatter_angle value="360"/></Dot></system>)");
    system->Update(10);
    system->Update(250);
    std::vector<Pixel> batched;
    std::vector<Pixel> oneByOne;
    for (bool batching : {true, false}) {
        Vorn::particleBatchDrawing = batching;
        window.Clear();
        DrawCentred(*system);
        std::vector<Pixel>& pixels = batching ? batched : oneByOne;
        for (int y = -60; y <= 60; y += 2) {
            for (int x = -60; x <= 60; x += 2) {
                pixels.push_back(window.ReadPixel(160 + x, 120 + y));
            }
        }
    }
    Vorn::particleBatchDrawing = true;
    int lit = 0;
    int differing = 0;
    for (std::size_t i = 0; i < batched.size(); ++i) {
        lit += batched[i] != Pixel{0, 0, 0};
        differing += batched[i] != oneByOne[i];
    }
    EXPECT_GT(lit, 100);
    EXPECT_LE(differing, lit / 50) << "only edge pixels may round differently";
}

// A spray of spinning, growing particles that fly out in every direction.
constexpr const char* sprayDocument = R"(<behavior><Spray><life_time value="10"/><emit_time value="10"/>
    <emit_number value="6"/><particle_life_time value="1000"/><particle_move_time value="400"/>
    <particle_speed value="120"/></Spray></behavior>
    <system><Dot><behavior value="Spray"/><color value="white"/><particle_size value="3"/>
    <particle_size_end value="9"/><rotation_speed value="70"/><scatter_angle value="360"/></Dot></system>)";

std::vector<Pixel> ReadAll(const GlTestWindow& window) {
    std::vector<Pixel> pixels;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            pixels.push_back(window.ReadPixel(x, y));
    return pixels;
}

struct Drawn {
    std::vector<Pixel> pixels;
    std::size_t quadsLeftOut = 0;
    std::size_t calls = 0;
};

int LitIn(const std::vector<Pixel>& pixels) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](Pixel p) {
        return p != Pixel{0, 0, 0};
    }));
}

int Differing(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differing += a[i] != b[i];
    return differing;
}

// Sixty sprays at their own places, far out: drawn into one shared batch, with the quads that cover no
// pixel centre left out or not, and each under its own matrix as the world drew them before.
TEST_F(ParticleDrawTest, SystemsSharingABatchLookAsDrawnOneByOne) {
    SKIP_WITHOUT_GL(window);
    constexpr int count = 60;
    std::vector<std::unique_ptr<Vorn::ParticleSystem>> systems;
    systems.push_back(Make(sprayDocument));
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            systems.push_back(factory.CreateSystem("Dot"));
        systems.back()->Update(10);
        systems.back()->Update(static_cast<std::uint32_t>(50 + 7 * i));
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    enum class How { Shared, SharedKeepingAll, OneByOne };
    const auto draw = [&](float scale, How how) {
        window.Clear();
        glPushMatrix();
        glTranslatef(160.0f, 120.0f, 0.0f);
        glScalef(scale, scale, 1.0f);
        Vorn::ParticleBatch::SetLeavingOut(how == How::Shared);
        Drawn drawn;
        {
            Vorn::ParticleBatch batch;
            batch.LeaveOutWhatCoversNoPixel();
            for (int i = 0; i < count; ++i) {
                const float x = -1400.0f + 290.0f * static_cast<float>(i % 10);
                const float y = -900.0f + 330.0f * static_cast<float>(i / 10);
                Vorn::ParticleSystem& system = *systems[static_cast<std::size_t>(i)];
                if (how == How::OneByOne) {
                    glPushMatrix();
                    glTranslatef(x, y, 0.0f);
                    DrawParticleSystem(system);
                    glPopMatrix();
                } else {
                    DrawParticleSystemInto(system, batch, x, y);
                }
            }
            batch.Flush();
            drawn.quadsLeftOut = batch.QuadsLeftOut();
            drawn.calls = batch.CallsMade();
        }
        glPopMatrix();
        Vorn::ParticleBatch::SetLeavingOut(true);
        drawn.pixels = ReadAll(window);
        return drawn;
    };
    for (const float scale : {0.25f, 0.04f}) {
        const Drawn shared = draw(scale, How::Shared);
        const Drawn keepingAll = draw(scale, How::SharedKeepingAll);
        const Drawn oneByOne = draw(scale, How::OneByOne);
        ASSERT_GT(LitIn(oneByOne.pixels), 50) << "scale " << scale;
        EXPECT_EQ(Differing(shared.pixels, keepingAll.pixels), 0) << "scale " << scale;
        if (scale < 0.1f) {
            EXPECT_GT(shared.quadsLeftOut, 100u) << "most sprites are smaller than a pixel";
        }
        EXPECT_EQ(keepingAll.quadsLeftOut, 0u);
        EXPECT_LE(shared.calls, 2u) << "one texture: one call of quads and one of the dots as points";
        EXPECT_LE(Differing(shared.pixels, oneByOne.pixels), LitIn(oneByOne.pixels) / 50)
            << "only edge pixels may round differently, scale " << scale;
    }
}

} // namespace
