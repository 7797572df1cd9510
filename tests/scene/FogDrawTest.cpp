// The fog drawn as one array looks as the fog drawn square by square, within the renderer's rounding: over
// the map, beyond its edges and far beyond them, at zooms where a square is many pixels or a fraction of one.
#include "scene/FogDraw.h"

#include "rules/FowData.h"
#include "world/FogOfWar.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace Vorn;
using testing_support::GlTestWindow;

namespace {

constexpr int width = 320;
constexpr int height = 240;

Constants::FowData Record() {
    Constants::FowData record;
    record.granularity = 40;
    record.beforeFadeBackTime = 1;
    record.fadeBackTime = 2;
    record.colorR = 0.2f;
    record.colorG = 0.3f;
    record.colorB = 0.5f;
    return record;
}

float Corner(const FogOfWar& fog, int column, int row) {
    if (column < 0 || row < 0 || column >= fog.Columns() || row >= fog.Rows())
        return 1;
    return std::max(fog.PointAt(column, row).fog, 0.0f);
}

// The fog as it used to be drawn: every square in the box on its own, corner by corner.
void DrawSquareBySquare(const FogOfWar& fog, const Constants::FowData& record, float halfWidth,
                        float halfHeight, float centreX, float centreY, float r) {
    const float g = fog.Granularity();
    const int firstColumn = static_cast<int>(std::floor((centreX - r + halfWidth) / g));
    const int lastColumn = static_cast<int>(std::floor((centreX + r + halfWidth) / g));
    const int firstRow = static_cast<int>(std::floor((centreY - r + halfHeight) / g));
    const int lastRow = static_cast<int>(std::floor((centreY + r + halfHeight) / g));
    glBegin(GL_QUADS);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int corners[4][2] = {{column, row}, {column + 1, row}, {column + 1, row + 1}, {column, row + 1}};
            bool anyFog = false;
            for (const auto& corner : corners)
                anyFog = anyFog || Corner(fog, corner[0], corner[1]) > 0.01f;
            if (!anyFog)
                continue;
            for (const auto& corner : corners) {
                glColor4f(record.colorR, record.colorG, record.colorB, Corner(fog, corner[0], corner[1]));
                glVertex2f(corner[0] * g - halfWidth, corner[1] * g - halfHeight);
            }
        }
    glEnd();
}

struct View {
    float zoom;
    float centreX, centreY;
};

class FogDraw : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_GL(window);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        fog.Reset(1);
        // Cleared patches, one of them fogging back, and an old patch whose fog has grown past 1.
        fog.RevealFog(-200, -100, 260, 1);
        fog.RevealFog(300, 250, 180, 1);
        fog.Update(2500);
        fog.RevealFog(100, -200, 150, 1);
        fog.RevealFog(-500, 400, 90, 1);
    }

    // A patterned ground under the fog, so its alpha shows in every pixel.
    static void DrawGround() {
        glBegin(GL_QUADS);
        for (int y = 0; y < height; y += 8)
            for (int x = 0; x < width; x += 8) {
                glColor3f(float(x % 64) / 64, float(y % 48) / 48, 0.5f);
                glVertex2i(x, y);
                glVertex2i(x + 8, y);
                glVertex2i(x + 8, y + 8);
                glVertex2i(x, y + 8);
            }
        glEnd();
    }

    // What lies beyond the map painted over in an opaque colour, as the ground's hatching paints it.
    static void CoverBeyondMap() {
        constexpr float far = 1e5f;
        glDisable(GL_BLEND);
        glColor4f(0.1f, 0.6f, 0.2f, 1);
        const float boxes[4][4] = {{-far, -far, far, -halfHeight},
                                   {-far, halfHeight, far, far},
                                   {-far, -halfHeight, -halfWidth, halfHeight},
                                   {halfWidth, -halfHeight, far, halfHeight}};
        glBegin(GL_QUADS);
        for (const auto& box : boxes) {
            glVertex2f(box[0], box[1]);
            glVertex2f(box[2], box[1]);
            glVertex2f(box[2], box[3]);
            glVertex2f(box[0], box[3]);
        }
        glEnd();
        glEnable(GL_BLEND);
    }

    std::vector<std::uint8_t> Picture(const View& view, bool squareBySquare, float* colourLeft,
                                      bool beyondCovered = false) {
        window.Clear();
        glLoadIdentity();
        DrawGround();
        glTranslatef(width / 2.0f, height / 2.0f, 0);
        glScalef(view.zoom, view.zoom, 1);
        glTranslatef(-view.centreX, -view.centreY, 0);
        glColor4f(0.9f, 0.8f, 0.7f, 0.6f);
        const float r = 0.5f * std::hypot(float(width), float(height)) / view.zoom + 50;
        if (squareBySquare)
            DrawSquareBySquare(fog, record, halfWidth, halfHeight, view.centreX, view.centreY, r);
        else
            DrawFog(fog, view.centreX, view.centreY, r);
        glGetFloatv(GL_CURRENT_COLOR, colourLeft);
        if (beyondCovered)
            CoverBeyondMap();
        std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width * height * 4));
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    // The software renderer shades a block that one triangle covers whole by a faster path, which rounds a
    // blended colour one level apart from the same pixel shaded along an edge, and which blocks take it
    // depends on how the triangles fall into batches. A square of fog missing, moved or with another
    // corner's fog is several levels off.
    static int MoreThanALevelApart(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
        int pixels = 0;
        for (std::size_t i = 0; i < a.size(); i += 4) {
            bool apart = false;
            for (std::size_t channel = i; channel < i + 3; ++channel)
                apart = apart || std::abs(int(a[channel]) - int(b[channel])) > 1;
            pixels += apart ? 1 : 0;
        }
        return pixels;
    }

    GlTestWindow window{width, height};
    Constants::FowData record = Record();
    static constexpr float halfWidth = 1000;
    static constexpr float halfHeight = 600;
    FogOfWar fog{&record, halfWidth, halfHeight};
};

} // namespace

TEST_F(FogDraw, OneArrayLooksAsSquareBySquare) {
    const View views[] = {
        {1.0f, -200, -100},   // inside the map, squares 40 pixels wide
        {0.5f, -900, 500},    // the map's upper left corner
        {0.37f, 1000, -600},  // the lower right corner at an odd zoom
        {0.13f, 0, 0},        // the whole map and beyond it on every side
        {0.031f, 300, 200},   // squares of about a pixel, mostly off the map
        {0.8f, 4000, 3000},   // nothing of the map in view
        {4.0f, 40, -260},     // the last square drawn half cleared
    };
    for (const View& view : views) {
        float colourBefore[4];
        float colourAfter[4];
        const auto before = Picture(view, true, colourBefore);
        const auto after = Picture(view, false, colourAfter);
        EXPECT_EQ(MoreThanALevelApart(before, after), 0)
            << "zoom " << view.zoom << " at " << view.centreX << ", " << view.centreY;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(colourBefore[i], colourAfter[i]) << "the colour left current, channel " << i;
    }
}

// Told that an opaque cover goes over what lies beyond the map, the fog leaves that out and the picture
// under the cover is the same within the renderer's rounding; the squares across the map's edge stay whole.
TEST_F(FogDraw, LeavesOutOnlyWhatTheCoverBeyondTheMapHides) {
    const View views[] = {
        {0.5f, -900, 500},   // the map's upper left corner
        {0.37f, 1000, -600}, // the lower right corner, the edge within the last squares
        {0.13f, 0, 0},       // the whole map and beyond it on every side
        {0.8f, 4000, 3000},  // nothing of the map in view
    };
    for (const View& view : views) {
        float colourWhole[4];
        float colourLeftOut[4];
        const auto whole = Picture(view, false, colourWhole, true);
        SetFogBeyondMapCovered(true);
        const auto leftOut = Picture(view, false, colourLeftOut, true);
        SetFogBeyondMapCovered(false);
        EXPECT_EQ(MoreThanALevelApart(whole, leftOut), 0)
            << "zoom " << view.zoom << " at " << view.centreX << ", " << view.centreY;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(colourWhole[i], colourLeftOut[i]) << "the colour left current, channel " << i;
    }
}
