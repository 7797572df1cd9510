// Tanks small on screen drawn as quads of their pictures look as their lines and triangles do: a crowd
// of the shipped tank drawings in two colours, turned every way, drawn both ways and compared.
#include "graphics/SpriteBatch.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/DrawingBatch.h"
#include "graphics/DrawingDisplay.h"
#include "tests/support/GlTestWindow.h"
#include "visuals/Drawing.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using testing_support::GlTestWindow;
using Vorn::Drawing;
using Vorn::DrawingBatch;
using Vorn::SpriteBatch;

namespace {

constexpr int windowWidth = 480;
constexpr int windowHeight = 360;
constexpr float always = 100000;

struct SpritePicture {
    std::vector<std::uint8_t> rgba;
    std::size_t sprites = 0;
};

// The mean of every channel's difference over the pixels either picture lights, in levels of 255.
double MeanDifferenceWhereLit(const SpritePicture& a, const SpritePicture& b) {
    long total = 0;
    long lit = 0;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
        int apart = 0;
        int light = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            apart += std::abs(int(a.rgba[i + c]) - int(b.rgba[i + c]));
            light += a.rgba[i + c] + b.rgba[i + c];
        }
        if (light > 0) {
            total += apart;
            lit += 3;
        }
    }
    return lit == 0 ? 255.0 : static_cast<double>(total) / static_cast<double>(lit);
}

int LitPixels(const SpritePicture& picture) {
    int lit = 0;
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4)
        lit += picture.rgba[i] + picture.rgba[i + 1] + picture.rgba[i + 2] > 0 ? 1 : 0;
    return lit;
}

class SpriteBatchTest : public testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_GL(window);
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
        for (const char* name : {"HeavyTank", "Cannon2", "LightTank", "Gun1"})
            drawings[name].Read(dataArchive.ReadDocument(std::string("graphics/drawings/") + name + ".xml"));
    }
    void TearDown() override {
        SpriteBatch::SetThreshold(SpriteBatch::defaultThreshold);
        colourTable.Clear();
    }

    // The game's map state and camera; the units inside a drawing batch with a sprite batch open, as the
    // world draws its tanks.
    SpritePicture Draw(float threshold, float zoom, float turn, bool placedAtPoints = false) {
        SpriteBatch::SetThreshold(threshold);
        window.Clear();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_LINE_SMOOTH);
        glLineWidth(zoom);
        glLoadIdentity();
        glTranslatef(0.375f, 0.375f, 0.0f);
        glTranslatef(windowWidth / 2.0f, windowHeight / 2.0f, 0);
        glRotatef(turn, 0, 0, 1);
        glScalef(zoom, zoom, 1);
        SpritePicture picture;
        {
            DrawingBatch batch;
            SpriteBatch sprites;
            if (placedAtPoints)
                CrowdAtPoints(sprites, zoom);
            else
                Crowd(zoom);
            picture.sprites = sprites.SpritesAdded();
        }
        glLoadIdentity();
        glDisable(GL_LINE_SMOOTH);
        glLineWidth(1);
        picture.rgba.resize(std::size_t{windowWidth} * windowHeight * 4);
        glReadPixels(0, 0, windowWidth, windowHeight, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
        return picture;
    }

    // Rows of tanks filling the window at any zoom, two sides' colours, bodies and turrets turned, each
    // turret set back from its body's origin as a recoil sets it.
    struct Unit {
        float x, y;
        const Drawing* body;
        const Drawing* turret;
        float bodyAngle, turretAngle;
        std::array<float, 4> side;
    };
    std::vector<Unit> CrowdUnits(float zoom) {
        const float spacing = 60 / std::sqrt(zoom);
        const int columns = static_cast<int>(windowWidth / zoom / spacing);
        const int rows = static_cast<int>(windowHeight / zoom / spacing);
        std::vector<Unit> crowd;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const bool heavy = (row + column) % 2 == 1;
                crowd.push_back({spacing * (column - (columns - 1) / 2.0f), spacing * (row - (rows - 1) / 2.0f),
                                 &drawings[heavy ? "HeavyTank" : "LightTank"], &drawings[heavy ? "Cannon2" : "Gun1"],
                                 13.0f * (row * columns + column), 29.0f * column - 7.0f * row,
                                 row % 2 ? std::array{1.0f, 0.0f, 0.0f, 1.0f} : std::array{0.0f, 0.0f, 1.0f, 1.0f}});
            }
        units = static_cast<int>(crowd.size());
        return crowd;
    }
    static constexpr float recoilX = 1.3f;
    static constexpr float recoilY = -2.7f;

    void Crowd(float zoom) {
        for (const Unit& unit : CrowdUnits(zoom)) {
            glPushMatrix();
            glTranslatef(unit.x, unit.y, 0);
            glColor4fv(unit.side.data());
            DrawDrawing(*unit.body, unit.bodyAngle);
            glPushMatrix();
            glTranslatef(recoilX, recoilY, 0);
            glColor4fv(unit.side.data());
            DrawDrawing(*unit.turret, unit.turretAngle);
            glPopMatrix();
            glPopMatrix();
        }
    }

    // The same crowd placed at points worked out from the batch's matrix, without the matrix stack.
    void CrowdAtPoints(SpriteBatch& sprites, float zoom) {
        for (const Unit& unit : CrowdUnits(zoom)) {
            const SpriteBatch::EyePoint at = sprites.Translate(sprites.Origin(), unit.x, unit.y);
            EXPECT_TRUE(sprites.AddAt(*unit.body, at, unit.bodyAngle, unit.side));
            EXPECT_TRUE(sprites.AddAt(*unit.turret, sprites.Translate(at, recoilX, recoilY), unit.turretAngle,
                                      unit.side));
        }
    }

    GlTestWindow window{windowWidth, windowHeight};
    std::map<std::string, Drawing> drawings;
    int units = 0;
};

} // namespace

// Where sprites take over, the picture must not jump: each tank's quad shows what its lines and
// triangles show, in its own colour, at its place and heading, filtered but not moved or resized.
TEST_F(SpriteBatchTest, SmallTanksAsSpritesLookAsTheirLinesAndTriangles) {
    for (const float zoom : {0.25f, 0.5f, 0.8f}) {
        for (const float turn : {0.0f, 23.0f}) {
            const SpritePicture triangles = Draw(0, zoom, turn);
            const SpritePicture sprites = Draw(always, zoom, turn);
            ASSERT_GT(LitPixels(triangles), windowWidth * windowHeight / 50) << "zoom " << zoom;
            EXPECT_EQ(triangles.sprites, 0u);
            EXPECT_EQ(sprites.sprites, static_cast<std::size_t>(2 * units)) << "zoom " << zoom;
            EXPECT_LT(MeanDifferenceWhereLit(triangles, sprites), 12.0)
                << "zoom " << zoom << ", turn " << turn;
            EXPECT_NEAR(LitPixels(sprites), LitPixels(triangles), LitPixels(triangles) / 3)
                << "zoom " << zoom;
        }
    }
}

// A crowd placed at points from the batch's matrix is the crowd placed through the matrix stack, to the
// pixel: the same places after two translations, headings and colours, under a turned camera too.
TEST_F(SpriteBatchTest, TanksPlacedAtPointsLookAsThoughTranslatedThere) {
    for (const float zoom : {0.25f, 0.5f}) {
        for (const float turn : {0.0f, 23.0f}) {
            const SpritePicture translated = Draw(always, zoom, turn);
            const SpritePicture atPoints = Draw(always, zoom, turn, true);
            EXPECT_EQ(atPoints.sprites, translated.sprites);
            EXPECT_GT(LitPixels(atPoints), windowWidth * windowHeight / 50);
            EXPECT_TRUE(atPoints.rgba == translated.rgba) << "zoom " << zoom << ", turn " << turn;
        }
    }
}

// Only drawings at most the threshold across on the window become sprites; the rest draw themselves.
TEST_F(SpriteBatchTest, OnlyDrawingsWithinTheThresholdBecomeSprites) {
    constexpr float zoom = 0.5f;
    const float threshold = 2 * drawings["Gun1"].Reach() * zoom + 0.5f;
    ASSERT_LT(threshold, 2 * drawings["HeavyTank"].Reach() * zoom) << "the test needs drawings either side";
    const SpritePicture mixed = Draw(threshold, zoom, 0);
    std::size_t expected = 0;
    for (const Unit& unit : CrowdUnits(zoom))
        for (const Drawing* drawing : {unit.body, unit.turret})
            expected += 2 * drawing->Reach() * zoom <= threshold ? 1 : 0;
    EXPECT_GT(expected, 0u);
    EXPECT_LT(expected, static_cast<std::size_t>(2 * units));
    EXPECT_EQ(mixed.sprites, expected);
}

// Pictures are made once per drawing and colour, and made anew when the zoom changes: a picture kept
// from another zoom would show every tank at the wrong size.
TEST_F(SpriteBatchTest, PicturesAreMadeOncePerDrawingAndColourAndAgainAtANewZoom) {
    Draw(always, 0.5f, 0);
    const std::size_t before = SpriteBatch::Atlas().RenderedCount();
    Draw(always, 0.5f, 0);
    EXPECT_EQ(SpriteBatch::Atlas().RenderedCount(), before) << "the same zoom reuses every picture";

    const SpritePicture sprites = Draw(always, 0.3f, 0);
    EXPECT_EQ(SpriteBatch::Atlas().RenderedCount(), before + 8) << "four drawings in two colours";
    const SpritePicture triangles = Draw(0, 0.3f, 0);
    EXPECT_LT(MeanDifferenceWhereLit(triangles, sprites), 12.0);
}

// A tank's quad covers only the part of its picture its drawing can colour: anything the picture holds
// beyond that box, or on its outermost texels where the filter reaches past the quad, would be cut off.
TEST_F(SpriteBatchTest, EachQuadHoldsAllItsPictureColoured) {
    using Vorn::SpriteAtlas;
    for (const float zoom : {0.25f, 0.5f, 0.8f}) {
        Draw(always, zoom, 0);
        std::vector<std::uint8_t> atlas(std::size_t{SpriteAtlas::side} * SpriteAtlas::side * 4);
        glBindTexture(GL_TEXTURE_2D, SpriteBatch::Atlas().Texture());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, atlas.data());
        const auto texel = [](float coordinate) {
            return static_cast<int>(std::lround(coordinate * SpriteAtlas::side));
        };
        for (const auto& [name, drawing] : drawings) {
            for (const SpriteAtlas::ColourBytes colour :
                 {SpriteAtlas::ColourBytes{255, 0, 0, 255}, SpriteAtlas::ColourBytes{0, 0, 255, 255}}) {
                const SpriteAtlas::Sprite* sprite = SpriteBatch::Atlas().Find(drawing, colour);
                ASSERT_NE(sprite, nullptr) << name << " at zoom " << zoom;
                int coloured = 0;
                int outside = 0;
                for (int y = texel(sprite->square.bottom); y < texel(sprite->square.top); ++y)
                    for (int x = texel(sprite->square.left); x < texel(sprite->square.right); ++x) {
                        const std::uint8_t* rgba = &atlas[(std::size_t(y) * SpriteAtlas::side + x) * 4];
                        if (rgba[0] + rgba[1] + rgba[2] + rgba[3] == 0)
                            continue;
                        ++coloured;
                        const bool inside =
                            x > texel(sprite->content.left) && x + 1 < texel(sprite->content.right) &&
                            y > texel(sprite->content.bottom) && y + 1 < texel(sprite->content.top);
                        outside += inside ? 0 : 1;
                    }
                EXPECT_GT(coloured, 0) << name << " at zoom " << zoom;
                EXPECT_EQ(outside, 0) << name << " at zoom " << zoom;
            }
        }
    }
}
