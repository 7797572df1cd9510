// Particle quads smaller than a pixel drawn as points: the same pixels, in the same colours, as the quads.
#include "datafiles/Node.h"
#include "graphics/ParticleBatch.h"
#include "graphics/TextureStore.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using testing_support::GlTestWindow;

constexpr int pictureWidth = 320;
constexpr int pictureHeight = 240;

std::vector<std::uint8_t> ReadWindow() {
    std::vector<std::uint8_t> pixels(pictureWidth * pictureHeight * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, pictureWidth, pictureHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

struct Comparison {
    int lit = 0;
    int differing = 0;
    int largest = 0;
};

Comparison Compare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    Comparison result;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        int difference = 0;
        for (std::size_t k = 0; k < 3; ++k)
            difference = std::max(difference, std::abs(int{a[i + k]} - int{b[i + k]}));
        result.lit += a[i] != 40 || a[i + 1] != 40 || a[i + 2] != 40;
        result.differing += difference > 0;
        result.largest = std::max(result.largest, difference);
    }
    return result;
}

class ParticleDotTest : public testing::Test {
protected:
    void SetUp() override {
        if (!window.Ok())
            return;
        // The shipped puff: mipmapped, its middle far brighter than its mean.
        Brisk::Node document;
        document.LoadText(R"(<puff type="aBitmap" src="puff"/>)");
        Vorn::textureStore.Load(document);
        Vorn::textureStore.Create();
        puff = Vorn::textureStore.FindTexture("puff");
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    void TearDown() override {
        if (!window.Ok())
            return;
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        Vorn::textureStore.Release();
        Vorn::ParticleBatch::SetDotsAsPoints(true);
    }

    // A grid of particles three pixels apart, so none touches another, of sides from a fifth of a pixel to
    // a pixel and a half, turned every way, in several tints, under a scale that puts them between pixels.
    // Returns the window and how many became points.
    std::vector<std::uint8_t> DrawGrid(bool dotsAsPoints, std::size_t& points) {
        window.Clear(40 / 255.0f, 40 / 255.0f, 40 / 255.0f);
        Vorn::ParticleBatch::SetDotsAsPoints(dotsAsPoints);
        constexpr float scale = 0.37f;
        glPushMatrix();
        glTranslatef(3.3f, 2.7f, 0);
        glScalef(scale, scale, 1);
        {
            Vorn::ParticleBatch batch;
            batch.LeaveOutWhatCoversNoPixel();
            int index = 0;
            for (float y = 0; y < (pictureHeight - 6) / scale; y += 3 / scale)
                for (float x = 0; x < (pictureWidth - 6) / scale; x += 3 / scale, ++index) {
                    const float side = (0.2f + 1.3f * static_cast<float>(index % 17) / 16) / scale;
                    const float turn = 0.37f * static_cast<float>(index);
                    const float c = std::cos(turn) * side / 2;
                    const float s = std::sin(turn) * side / 2;
                    const float jitter = static_cast<float>(index % 7) / 7 / scale;
                    const float px = x + jitter, py = y + jitter / 2;
                    const Vorn::ParticleBatch::Corner corners[4] = {{px - c + s, py - s - c},
                                                                    {px + c + s, py + s - c},
                                                                    {px + c - s, py + s + c},
                                                                    {px - c - s, py - s + c}};
                    const std::uint8_t tints[3][4] = {
                        {255, 255, 255, 255}, {255, 120, 30, 200}, {90, 200, 255, 120}};
                    batch.AddQuad(puff, corners, tints[index % 3]);
                }
            batch.Flush();
            points = batch.DotsAsPoints();
        }
        glPopMatrix();
        return ReadWindow();
    }

    GlTestWindow window{pictureWidth, pictureHeight};
    unsigned int puff = 0;
};

TEST_F(ParticleDotTest, DotsAsPointsLightThePixelsTheirQuadsLightInTheirColours) {
    SKIP_WITHOUT_GL(window);
    std::size_t points = 0;
    std::size_t none = 0;
    const std::vector<std::uint8_t> asPoints = DrawGrid(true, points);
    const std::vector<std::uint8_t> asQuads = DrawGrid(false, none);
    const Comparison comparison = Compare(asQuads, asPoints);
    EXPECT_GT(points, 300u);
    EXPECT_EQ(none, 0u);
    EXPECT_GT(comparison.lit, 1000);
    // The driver filters with weights of its own precision: a level apart at a few pixels.
    EXPECT_LE(comparison.largest, 1);
    EXPECT_LE(comparison.differing, static_cast<int>(points / 50));
}

} // namespace
