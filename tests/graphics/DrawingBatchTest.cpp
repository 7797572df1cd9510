// Drawings collected in a batch look as they do through their display lists: a battle scene of the
// shipped drawings, overlapping, turned and translucent, drawn both ways and compared pixel by pixel.
#include "graphics/DrawingBatch.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/DrawingDisplay.h"
#include "visuals/Drawing.h"
#include "tests/graphics/DrawingTestDocuments.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

using testing_support::GlTestWindow;
using Vorn::Drawing;
using Vorn::DrawingBatch;

namespace {

constexpr int width = 480;
constexpr int height = 360;

struct Picture {
    std::vector<std::uint8_t> rgba;
    std::size_t callsFlushed = 0;
    std::size_t trianglesLeftOut = 0;
    std::size_t partsFlushed = 0;
};

// How two pictures differ: pixels with any channel apart, and the largest channel difference.
struct Difference {
    int pixels = 0;
    int largest = 0;
};

Difference Compare(const Picture& a, const Picture& b) {
    Difference difference;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
        int apart = 0;
        for (std::size_t c = 0; c < 3; ++c)
            apart = std::max(apart, std::abs(int(a.rgba[i + c]) - int(b.rgba[i + c])));
        difference.pixels += apart > 0 ? 1 : 0;
        difference.largest = std::max(difference.largest, apart);
    }
    return difference;
}

std::size_t Primitives(const Drawing& drawing) {
    return static_cast<std::size_t>(
        std::count_if(drawing.Steps().begin(), drawing.Steps().end(),
                      [](const auto& step) { return step.kind == Vorn::DrawingStep::Kind::Begin; }));
}

int LitPixels(const Picture& picture) {
    int lit = 0;
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4)
        lit += picture.rgba[i] + picture.rgba[i + 1] + picture.rgba[i + 2] > 0 ? 1 : 0;
    return lit;
}

class DrawingBatchTest : public testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_GL(window);
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
        for (const char* name :
             {"HeavyTank", "Cannon2", "LightTank", "Gun1", "Base", "TankFactory", "Scratch1"})
            drawings[name].Read(
                dataArchive.ReadDocument(std::string("graphics/drawings/") + name + ".xml"));
    }
    void TearDown() override {
        DrawingBatch::SetEnabled(true);
        DrawingBatch::SetLeavingOut(true);
        DrawingBatch::SetDrawnInParts(true);
        colourTable.Clear();
    }

    // The game's map state: blending, smoothed lines as wide as the zoom, the camera's matrix; then the
    // scene inside one batch, or through the lists when batching is off.
    Picture Draw(bool batched, float zoom, float turn, const std::function<void()>& scene) {
        DrawingBatch::SetEnabled(batched);
        window.Clear();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_LINE_SMOOTH);
        glLineWidth(zoom);
        glLoadIdentity();
        glTranslatef(0.375f, 0.375f, 0.0f);
        glTranslatef(width / 2.0f, height / 2.0f, 0);
        glRotatef(turn, 0, 0, 1);
        glScalef(zoom, zoom, 1);
        Picture picture;
        {
            DrawingBatch batch;
            scene();
            batch.Flush();
            picture.callsFlushed = batch.CallsFlushed();
            picture.trianglesLeftOut = batch.TrianglesLeftOut();
            picture.partsFlushed = batch.PartsFlushed();
        }
        glLoadIdentity();
        glDisable(GL_LINE_SMOOTH);
        glLineWidth(1);
        picture.rgba.resize(std::size_t{width} * height * 4);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
        return picture;
    }

    // One unit as the world draws it: translated, in its side's colour, the body turned by its heading
    // and the turret by its own.
    void Unit(const char* body, const char* turret, float x, float y, float heading, float aim,
              std::array<float, 4> colour) {
        glPushMatrix();
        glTranslatef(x, y, 0);
        glColor4fv(colour.data());
        DrawDrawing(drawings[body], heading);
        primitivesDrawn += Primitives(drawings[body]);
        if (turret != nullptr) {
            glColor4fv(colour.data());
            DrawDrawing(drawings[turret], aim);
            primitivesDrawn += Primitives(drawings[turret]);
        }
        glPopMatrix();
    }

    // Tanks in a loose grid (far apart, so the batch may gather their parts), then a cluster where bodies
    // and turrets overlap, buildings under tanks, translucent tanks and wrecks on top.
    void Battle() {
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 8; ++column)
                Unit(column % 2 ? "HeavyTank" : "LightTank", column % 2 ? "Cannon2" : "Gun1",
                     -250.0f + 70 * column, -150.0f + 45 * row, 37.0f * (row * 8 + column), 11.0f * column,
                     {row % 2 ? 1.0f : 0.0f, 1, 0, 1});
        Unit("TankFactory", nullptr, 60, 60, 0, 0, {0, 0, 1, 1});
        Unit("Base", nullptr, -80, 90, 90, 0, {1, 0, 0, 1});
        for (int i = 0; i < 12; ++i)
            Unit("HeavyTank", "Cannon2", 40.0f + 9 * i, 40.0f + 5 * (i % 4), 30.0f * i, -20.0f * i,
                 {1, 1, 0, i % 3 ? 1.0f : 0.5f});
        for (int i = 0; i < 4; ++i)
            Unit("Scratch1", nullptr, -20.0f + 15 * i, 20, 45.0f * i, 0, {1, 1, 1, 0.6f});
    }

    // A zoomed-out field: rows of tanks a few pixels wide, turned every way.
    void Crowd() {
        constexpr int columns = 40;
        constexpr int rows = 30;
        constexpr float spacing = 70;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                Unit(column % 2 ? "HeavyTank" : "LightTank", column % 2 ? "Cannon2" : "Gun1",
                     spacing * (column - columns / 2.0f), spacing * (row - rows / 2.0f),
                     13.0f * (row * columns + column), 29.0f * column, {1, row % 2 ? 1.0f : 0.5f, 0, 1});
    }

    GlTestWindow window{width, height};
    std::map<std::string, Drawing> drawings;
    // Over both pictures: each primitive is a draw call of its own through the lists.
    std::size_t primitivesDrawn = 0;
};

} // namespace

// The only freedom the batch has is the rounding of the transform, done on the CPU instead of the driver:
// it may move a smoothed edge's coverage by a step in a few pixels, never more.
TEST_F(DrawingBatchTest, ABattleLooksAsThroughTheListsWithFarFewerCalls) {
    for (const float zoom : {1.0f, 0.4f, 1.7f}) {
        for (const float turn : {0.0f, 23.0f}) {
            primitivesDrawn = 0;
            const Picture lists = Draw(false, zoom, turn, [&] { Battle(); });
            const Picture batched = Draw(true, zoom, turn, [&] { Battle(); });
            ASSERT_GT(LitPixels(lists), 5000) << "zoom " << zoom;
            const Difference difference = Compare(lists, batched);
            EXPECT_LE(difference.pixels, width * height / 1000) << "zoom " << zoom << ", turn " << turn;
            EXPECT_LE(difference.largest, 2) << "zoom " << zoom << ", turn " << turn;
            EXPECT_EQ(lists.callsFlushed, 0u);
            EXPECT_GT(batched.callsFlushed, 0u);
            EXPECT_LT(batched.callsFlushed * 4, primitivesDrawn / 2) << "the units' parts should share calls";
        }
    }
}

// Lines and fills of one drawing alternate; where two copies overlap, the second's fill must still cover
// the first's outline, and the colour stack and the colour left current must be the list's.
TEST_F(DrawingBatchTest, OverlapsKeepTheirOrderAndTheColourLeftIsTheLists) {
    colourTable.Store("test_batch_red", {255, 0, 0, 255});
    colourTable.Store("test_batch_green", {0, 255, 0, 128});
    Drawing framed;
    framed.Read(drawing_tests::Document(R"(
        <push color="side"/>
        <set color="test_batch_red"/>
        <quad><vertex x="-20" y="-20"/><vertex x="20" y="-20"/><vertex x="20" y="20"/><vertex x="-20" y="20"/></quad>
        <pop/>
        <line loop="1"><vertex x="-20" y="-20"/><vertex x="20" y="-20"/><vertex x="20" y="20"/><vertex x="-20" y="20"/></line>
        <pop/>
        <set color="test_batch_green"/>
        <triangle fan="1"><vertex x="0" y="0"/><vertex x="0" y="8"/><vertex x="8" y="0"/><vertex x="0" y="-8"/></triangle>)"));
    std::array<float, 4> left[2]{};
    const auto scene = [&](int run) {
        return [&, run] {
            for (int i = 0; i < 3; ++i) {
                glPushMatrix();
                glTranslatef(-30.0f + 12 * i, 7.0f * i, 0);
                glColor4f(1, 1, 1, 1);
                DrawDrawing(framed, i * 10.0f);
                glPopMatrix();
            }
            glGetFloatv(GL_CURRENT_COLOR, left[run].data());
        };
    };
    const Picture lists = Draw(false, 1, 0, scene(0));
    const Picture batched = Draw(true, 1, 0, scene(1));
    const Difference difference = Compare(lists, batched);
    EXPECT_LE(difference.pixels, 4);
    EXPECT_LE(difference.largest, 2);
    EXPECT_EQ(left[0], left[1]);
    EXPECT_FLOAT_EQ(left[1][1], 1.0f) << "the drawing leaves its last colour current";
    EXPECT_FLOAT_EQ(left[1][3], 128 / 255.0f);
}

// Far out, most of a unit's triangles fall between the pixel centres and give no pixel; the batch leaves
// them out, and not one pixel changes.
TEST_F(DrawingBatchTest, TinyUnitsLookTheSameWithoutTheTrianglesThatCoverNoPixel) {
    for (const float zoom : {0.064f, 0.1f, 0.23f}) {
        for (const float turn : {0.0f, 23.0f}) {
            DrawingBatch::SetLeavingOut(false);
            const Picture everything = Draw(true, zoom, turn, [&] { Crowd(); });
            DrawingBatch::SetLeavingOut(true);
            const Picture leftOut = Draw(true, zoom, turn, [&] { Crowd(); });
            ASSERT_GT(LitPixels(everything), 10000) << "zoom " << zoom;
            EXPECT_EQ(everything.trianglesLeftOut, 0u);
            const Difference difference = Compare(everything, leftOut);
            EXPECT_EQ(difference.pixels, 0) << "zoom " << zoom << ", turn " << turn;
            // Over 70 of each tank's triangles are slivers at these zooms.
            if (zoom < 0.2f) {
                EXPECT_GT(leftOut.trianglesLeftOut, 1200u * 60) << "zoom " << zoom << ", turn " << turn;
            }
        }
    }
}

// A crowd goes to the driver in many parts, cut between calls and inside them: every line and triangle
// is drawn once, in its place in the order, and not one pixel changes.
TEST_F(DrawingBatchTest, ACrowdDrawnInPartsLooksAsDrawnWhole) {
    for (const float zoom : {0.064f, 0.23f, 1.0f}) {
        DrawingBatch::SetDrawnInParts(false);
        const Picture whole = Draw(true, zoom, 23.0f, [&] { Crowd(); });
        DrawingBatch::SetDrawnInParts(true);
        const Picture inParts = Draw(true, zoom, 23.0f, [&] { Crowd(); });
        ASSERT_GT(LitPixels(whole), 10000) << "zoom " << zoom;
        EXPECT_EQ(whole.partsFlushed, 0u);
        EXPECT_GT(inParts.partsFlushed, 3u) << "zoom " << zoom;
        EXPECT_EQ(Compare(whole, inParts).pixels, 0) << "zoom " << zoom;
    }
}
