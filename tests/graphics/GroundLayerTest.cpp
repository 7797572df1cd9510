// The ground: its view boxes, and the grid of colours it is drawn as.
#include "graphics/GroundLayer.h"
#include "graphics/GroundMesh.h"
#include "graphics/PixelTexture.h"
#include "graphics/TextureStore.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace {

using Box = Vorn::GroundLayer::Box;

float Area(const Box& box) {
    return box.Empty() ? 0 : (box.right - box.left) * (box.top - box.bottom);
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Every view against a 2000 x 1000 map: the parts beyond and the map's part tile the view, none overlapping.
TEST(GroundLayerBoxes, TheMapAndWhatLiesBeyondTileTheView) {
    const float halfWidth = 1000;
    const float halfHeight = 500;
    const Box views[] = {{-100, -100, 100, 100},   {900, 400, 1300, 800},    {-1500, -900, 1500, 900},
                         {-1200, -100, -900, 100}, {3000, 3000, 3500, 3500}, {-1000, -500, 1000, 500}};
    for (const Box& view : views) {
        const Box map = Vorn::GroundLayer::MapPart(view, halfWidth, halfHeight);
        const std::vector<Box> beyond = Vorn::GroundLayer::BeyondParts(view, halfWidth, halfHeight);
        float covered = Area(map);
        for (std::size_t i = 0; i < beyond.size(); ++i) {
            EXPECT_FALSE(beyond[i].Empty());
            EXPECT_FALSE(!map.Empty() && Overlap(beyond[i], map)) << "part " << i << " lies on the map";
            for (std::size_t j = i + 1; j < beyond.size(); ++j)
                EXPECT_FALSE(Overlap(beyond[i], beyond[j])) << i << " and " << j;
            covered += Area(beyond[i]);
        }
        EXPECT_FLOAT_EQ(covered, Area(view)) << view.left << " " << view.bottom;
    }
    EXPECT_TRUE(Vorn::GroundLayer::BeyondParts({-10, -10, 10, 10}, halfWidth, halfHeight).empty());
}

} // namespace

namespace {

Vorn::GroundImage Plain(int side, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    Vorn::GroundImage image{side, side, {}};
    for (int i = 0; i < side * side; ++i)
        image.rgba.insert(image.rgba.end(), {red, green, blue, 255});
    return image;
}

// A 256 x 256 ground with its mipmap levels down to 1 x 1 over a 256-unit tile.
Vorn::GroundColours Levels() {
    Vorn::GroundColours colours;
    for (int side = 256; side >= 1; side /= 2)
        colours.levels.push_back(Plain(side, 100, 100, 100));
    return colours;
}

} // namespace

// The grid's points sit on one level's texels, never closer than the limit on the screen (the vertex count
// stays bounded) and, while a finer level would do, never twice as far (the ground keeps its grain). The
// limit is twice as far at the zoom a battle opens with (1 pixel a unit) as zoomed in.
TEST(GroundMeshSpacing, PointsAreTexelsOfTheFinestLevelNoCloserThanTheLimit) {
    Vorn::GroundMesh mesh;
    mesh.Choose(Levels());
    for (float pixelsPerUnit = 0.01f; pixelsPerUnit < 40; pixelsPerUnit *= 1.37f) {
        const Vorn::GroundMesh::Spacing spacing = mesh.SpacingFor(pixelsPerUnit);
        const float pixels = spacing.units * pixelsPerUnit;
        const float closest = Vorn::GroundMesh::ClosestPointsPixels(pixelsPerUnit);
        EXPECT_GE(pixels, closest * 0.999f) << pixelsPerUnit;
        if (pixelsPerUnit < closest) {
            EXPECT_LT(pixels, 2 * closest) << pixelsPerUnit;
        }
        if (spacing.level < 8) {
            EXPECT_FLOAT_EQ(spacing.units, 256.0f / static_cast<float>(256 >> spacing.level))
                << pixelsPerUnit;
        }
    }
    EXPECT_FLOAT_EQ(mesh.SpacingFor(1).units, 32) << "the opening zoom: 8 x 8 points a repeat";
    EXPECT_FLOAT_EQ(mesh.SpacingFor(4).units, 4) << "zoomed in: 64 x 64 points a repeat";
}

// Each point is the ground's texel, tinted, times twice the detail: mid-grey detail leaves the ground as
// it is, and a ground that cannot be read is the plain colour.
TEST(GroundMeshSpacing, PointColoursAreTheTintedTexelShadedByTheDetail) {
    Vorn::GroundMesh mesh;
    Vorn::GroundColours colours = Levels();
    colours.tint[0] = 0.5f;
    colours.detail = Plain(4, 51, 255, 128);
    mesh.Choose(colours);
    std::uint8_t colour[4];
    mesh.ColourAt(2, 30, -700, colour);
    EXPECT_EQ(colour[0], 20) << "100 x 0.5 x 51 / 127.5";
    EXPECT_EQ(colour[1], 200);
    EXPECT_NEAR(colour[2], 100, 1);
    EXPECT_EQ(colour[3], 255);

    mesh.Choose({});
    mesh.ColourAt(0, 0, 0, colour);
    EXPECT_EQ(colour[0], 70);
    EXPECT_EQ(colour[2], 44);
}

// The world's fog leaves out what the hatching will cover only when it does cover it: a hatching with a
// single translucent texel, or none at all, lets the fog beyond the map show through.
TEST(GroundLayerBeyond, CoversWhatLiesUnderOnlyWhenEveryTexelIsOpaque) {
    testing_support::GlTestWindow window{64, 64};
    SKIP_WITHOUT_GL(window);
    const auto chooseWithHatching = [](int translucentAlpha) {
        auto texture = std::make_unique<Vorn::PixelTexture>();
        texture->Create(8);
        texture->Fill(40, 40, 40, 255);
        texture->SetPixel(5, 6, 40, 40, 40, translucentAlpha);
        texture->Upload();
        Vorn::textureStore.Adopt("ground_beyond", std::move(texture));
        Vorn::GroundLayer ground;
        ground.Choose({}, 1000, 500);
        return ground.BeyondOpaque();
    };
    EXPECT_TRUE(chooseWithHatching(255));
    EXPECT_FALSE(chooseWithHatching(254));
    Vorn::textureStore.Release();
    Vorn::GroundLayer withoutHatching;
    withoutHatching.Choose({}, 1000, 500);
    EXPECT_FALSE(withoutHatching.BeyondOpaque());
}

namespace {

// 4 x 4 pictures whose grid of colours is a plane (red rises across, green up); is smooth across but uneven
// up, so that only strips along a row are flat; or rises across in even rows and falls in odd ones, so that
// a strip's points all lie on its plane while the squares crease across its diagonal.
enum class Ground { Plane, SmoothAcross, Twisted };

Vorn::GroundColours Ramp(Ground ground = Ground::Plane) {
    constexpr std::uint8_t unevenGreen[4] = {0, 200, 40, 160};
    Vorn::GroundImage image{4, 4, {}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int falling = row % 2 == 1 ? 3 - column : column;
            const auto red = std::uint8_t(ground == Ground::Twisted ? 20 * falling : 85 * column);
            const auto green = std::uint8_t(ground == Ground::Plane ? 85 * row
                                            : ground == Ground::SmoothAcross ? unevenGreen[row]
                                                                              : 40);
            image.rgba.insert(image.rgba.end(), {red, green, 40, 255});
        }
    Vorn::GroundColours colours;
    colours.levels.push_back(image);
    return colours;
}

// One window pixel a unit, the origin `shift` pixels in from the lower left corner.
void LookWithOriginAt(double shift, int side) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-shift, side - shift, -shift, side - shift, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The window's RGBA pixels in the square of `side` whose lower left corner is at (corner, corner).
std::vector<std::uint8_t> ReadSquare(int corner, int side) {
    std::vector<std::uint8_t> pixels(std::size_t(side) * std::size_t(side) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(corner, corner, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// How a drawing differs from the one it should look like: its pixels left in the clear colour (magenta),
// and the largest difference of a colour channel.
struct GroundDifference {
    int uncovered = 0;
    int largest = 0;
};

GroundDifference CompareGround(const std::vector<std::uint8_t>& expected,
                               const std::vector<std::uint8_t>& drawn) {
    GroundDifference difference;
    for (std::size_t i = 0; i < drawn.size(); i += 4) {
        difference.uncovered += drawn[i] == 255 && drawn[i + 1] == 0 && drawn[i + 2] == 255;
        for (std::size_t c = 0; c < 3; ++c)
            difference.largest = std::max(difference.largest, std::abs(expected[i + c] - drawn[i + c]));
    }
    return difference;
}

} // namespace

// Snapping the grid's lines to whole blocks of pixels leaves no pixel of the map uncovered, and moves each
// point's colour with it: over a plane of colour the picture is the one drawn without snapping, to a level.
// The camera puts the lines 1.8 pixels from a block's edge, where a point keeping its colour is 2 levels off.
TEST(GroundMeshWindow, SnappedLinesDrawTheSameGroundWithoutGaps) {
    const int side = 256;
    testing_support::GlTestWindow window{side, side};
    SKIP_WITHOUT_GL(window);
    const double shift = 30.2;
    LookWithOriginAt(shift, side);
    const Vorn::GroundMesh::Box map{0, 0, 192, 192};
    const int inside = 186;
    const auto draw = [&](const Vorn::GroundMesh::WindowMap* onWindow) {
        window.Clear(1, 0, 1);
        Vorn::GroundMesh mesh;
        mesh.Choose(Ramp());
        mesh.Draw({-40, -40, 230, 230}, map, 1, {}, onWindow);
        // Inside the map's edges, which stay where they are.
        return ReadSquare(32, inside);
    };
    const std::vector<std::uint8_t> asIs = draw(nullptr);
    const Vorn::GroundMesh::WindowMap onWindow{1, 1, shift, shift, {0, 0, side, side}};
    const std::vector<std::uint8_t> snapped = draw(&onWindow);
    const GroundDifference difference = CompareGround(asIs, snapped);
    EXPECT_EQ(difference.uncovered, 0);
    EXPECT_LE(difference.largest, 1);
}

// The ground wholly under a panel that covers the window's lowest rows is left out, yet the ground still
// reaches the panel's top: the grid's lines move by up to half a block when snapped, so a square ending just
// under the top may rise above it. A checkered ground keeps every 32-pixel square apart, and the camera puts
// a line of the grid half a pixel under the panel's top, where it snaps to the block's edge above it.
TEST(GroundLayerCovered, LeavesOutOnlyWhatThePanelHides) {
    const int side = 128;
    testing_support::GlTestWindow window{side, side};
    SKIP_WITHOUT_GL(window);
    auto checkers = std::make_unique<Vorn::PixelTexture>();
    checkers->Create(8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checkers->SetPixel(x, y, (x + y) % 2 * 200, 100, 50, 255);
    checkers->Upload();
    Vorn::textureStore.Adopt("checkers", std::move(checkers));
    const double lineRow = 82.5;
    const int panelTop = 83;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-side / 2.0, side / 2.0, -lineRow, side - lineRow, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    window.Clear(1, 0, 1);
    Vorn::GroundLayer ground;
    ground.Choose({"checkers", "", 1, 1, 1}, 1000, 1000);
    const Box panel{0, 0, side, panelTop};
    ground.DrawGround(0, 0, 1000, {}, std::span(&panel, 1));
    Vorn::textureStore.Release();
    std::vector<std::uint8_t> pixels(std::size_t(side) * std::size_t(side) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int uncoveredAbove = 0;
    int drawnUnder = 0;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const std::uint8_t* pixel = &pixels[(std::size_t(row) * side + std::size_t(column)) * 4];
            const bool clear = pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
            uncoveredAbove += row >= panelTop && clear;
            drawnUnder += row < panelTop - 32 && !clear;
        }
    EXPECT_EQ(uncoveredAbove, 0);
    EXPECT_EQ(drawnUnder, 0);
}

// Squares merged where the ground is flat meet the squares beside them without a gap, and the colour along
// the join is the plane's: the ramp repeats every four points, so the blocks that start a repeat are flat and
// those across its wrap are not, and merged and single squares alternate. A ground smooth across but uneven
// up is merged too, into strips along its rows; a twisted one may merge only where its crease is not seen.
TEST(GroundMeshMerging, FlatBlocksJoinTheirNeighboursWithoutGapsOrSeams) {
    const int side = 256;
    testing_support::GlTestWindow window{side, side};
    SKIP_WITHOUT_GL(window);
    const double shift = 30.2;
    LookWithOriginAt(shift, side);
    const Vorn::GroundMesh::WindowMap onWindow{1, 1, shift, shift, {0, 0, side, side}};
    for (const Ground ground : {Ground::Plane, Ground::SmoothAcross, Ground::Twisted}) {
        std::size_t indices[2] = {0, 0};
        const auto draw = [&](float flatLevels, std::size_t& drawnIndices) {
            window.Clear(1, 0, 1);
            Vorn::GroundMesh mesh;
            mesh.Choose(Ramp(ground));
            mesh.SetFlatLevels(flatLevels);
            mesh.Draw({-40, -40, 230, 230}, {-512, -512, 512, 512}, 1, {}, &onWindow);
            drawnIndices = mesh.Indices().size();
            return ReadSquare(0, side);
        };
        const std::vector<std::uint8_t> single = draw(-1, indices[0]);
        const std::vector<std::uint8_t> merged = draw(Vorn::GroundMesh::flatLevels, indices[1]);
        const int picture = static_cast<int>(ground);
        if (ground != Ground::Twisted) {
            EXPECT_LT(indices[1], indices[0]) << "picture " << picture;
        }
        const GroundDifference difference = CompareGround(single, merged);
        EXPECT_EQ(difference.uncovered, 0) << "picture " << picture;
        EXPECT_LE(difference.largest, static_cast<int>(Vorn::GroundMesh::flatLevels) + 1) << "picture " << picture;
    }
}
