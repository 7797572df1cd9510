// The drawing language recorded without a GL context: primitives and their modes, circles, colours,
// the colour stack, mouths and particle-system points.
#include "visuals/Drawing.h"

#include "datafiles/ColourTable.h"
#include "graphics/DrawingDisplay.h"
#include "tests/graphics/DrawingTestDocuments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using drawing_tests::Document;
using Vorn::Drawing;
using Vorn::DrawingPrimitive;
using Kind = Vorn::DrawingStep::Kind;

namespace {

Drawing Compiled(const std::string& text) {
    Drawing drawing;
    drawing.Read(Document(text));
    return drawing;
}

std::vector<Kind> KindsOf(const Drawing& drawing) {
    std::vector<Kind> kinds;
    for (const auto& step : drawing.Steps()) {
        kinds.push_back(step.kind);
    }
    return kinds;
}

struct Corner {
    double x, y;
};

std::vector<Corner> VerticesOf(const Drawing& drawing) {
    std::vector<Corner> corners;
    for (const auto& step : drawing.Steps()) {
        if (step.kind == Kind::Vertex) {
            corners.push_back({step.x, step.y});
        }
    }
    return corners;
}

DrawingPrimitive FirstPrimitive(const std::string& text) {
    Drawing drawing = Compiled(text);
    EXPECT_FALSE(drawing.Steps().empty());
    return drawing.Steps().empty() ? DrawingPrimitive::Lines : drawing.Steps().front().primitive;
}

} // namespace

TEST(DrawingCircle, FourSegmentsMakeADiamondStartingStraightAbove) {
    Drawing drawing = Compiled(R"(<circle r="2" s="4" x="10" y="-5"/>)");
    ASSERT_EQ(drawing.Steps().front().primitive, DrawingPrimitive::LineLoop);
    const auto corners = VerticesOf(drawing);
    ASSERT_EQ(corners.size(), 4u);
    const Corner expected[4] = {{10, -3}, {12, -5}, {10, -7}, {8, -5}}; // top, right, bottom, left
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(corners[i].x, expected[i].x, 1e-6) << i;
        EXPECT_NEAR(corners[i].y, expected[i].y, 1e-6) << i;
    }
}

TEST(DrawingCircle, FlatfrontTurnsHalfASegmentSoTheTopEdgeIsFlat) {
    const auto corners = VerticesOf(Compiled(R"(<circle r="2" s="4" flatfront="1"/>)"));
    ASSERT_EQ(corners.size(), 4u);
    const double half = std::sqrt(2.0);
    EXPECT_NEAR(corners[0].x, half, 1e-6);
    EXPECT_NEAR(corners[0].y, half, 1e-6);
    EXPECT_NEAR(corners[3].x, -half, 1e-6);
    EXPECT_NEAR(corners[3].y, half, 1e-6); // the edge from the last corner back to the first is the top
}

TEST(DrawingCircle, NeedsRadiusAndSegmentsAndCapsAHugeSegmentCount) {
    EXPECT_TRUE(Compiled(R"(<circle r="2"/>)").Steps().empty());
    EXPECT_TRUE(Compiled(R"(<circle s="8"/>)").Steps().empty());
    // No corners, but still a closed primitive: nothing after it can end up inside.
    EXPECT_EQ(KindsOf(Compiled(R"(<circle r="2" s="0"/>)")), (std::vector<Kind>{Kind::Begin, Kind::End}));
    EXPECT_EQ(VerticesOf(Compiled(R"(<circle r="2" s="2000000000"/>)")).size(),
              static_cast<std::size_t>(Drawing::maximumCircleSegments));
}

TEST(DrawingPrimitives, ModeFlagsCountByPresenceAndLoopWinsOverStrip) {
    EXPECT_EQ(FirstPrimitive("<line/>"), DrawingPrimitive::Lines);
    EXPECT_EQ(FirstPrimitive(R"(<line strip="1"/>)"), DrawingPrimitive::LineStrip);
    EXPECT_EQ(FirstPrimitive(R"(<line loop="0"/>)"), DrawingPrimitive::LineLoop);
    EXPECT_EQ(FirstPrimitive(R"(<line strip="1" loop="1"/>)"), DrawingPrimitive::LineLoop);
    EXPECT_EQ(FirstPrimitive("<triangle/>"), DrawingPrimitive::Triangles);
    EXPECT_EQ(FirstPrimitive(R"(<triangle strip="1"/>)"), DrawingPrimitive::TriangleStrip);
    EXPECT_EQ(FirstPrimitive(R"(<triangle fan="1" strip="1"/>)"), DrawingPrimitive::TriangleFan);
    EXPECT_EQ(FirstPrimitive("<quad/>"), DrawingPrimitive::Quads);
    EXPECT_EQ(FirstPrimitive(R"(<quad strip="1"/>)"), DrawingPrimitive::QuadStrip);
}

TEST(DrawingPrimitives, KeepVerticesAndColoursAndCloseEvenWhenEmpty) {
    colourTable.Store("test_drawing_green", {0, 200, 0, 255});
    Drawing drawing = Compiled(R"(<triangle>
        <vertex x="1" y="2"/> <vertex x="3"/> <set color="test_drawing_green"/> <set/>
        <circle r="1" s="4"/> <mouth x="0" y="0"/> <vertex x="5" y="6"/>
    </triangle><quad/>)");
    EXPECT_EQ(KindsOf(drawing), (std::vector<Kind>{Kind::Begin, Kind::Vertex, Kind::SetColour, Kind::Vertex,
                                                   Kind::End, Kind::Begin, Kind::End}));
    EXPECT_EQ(drawing.Steps()[2].colour, (std::array<std::uint8_t, 4>{0, 200, 0, 255}));
    EXPECT_TRUE(drawing.Mouths().empty()) << "commands inside a primitive are not commands";
}

TEST(DrawingColours, UnknownNameIsOpaqueMagentaAndSetWithoutNameIsNothing) {
    Drawing drawing = Compiled(R"(<set color="no_such_colour_anywhere"/><set/><set colour="red"/>)");
    ASSERT_EQ(drawing.Steps().size(), 1u);
    EXPECT_EQ(drawing.Steps()[0].colour, (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
    EXPECT_EQ(drawing.Steps()[0].colourName, "no_such_colour_anywhere");
}

TEST(DrawingColours, PushWithoutColorRecordsNothingButPopAlwaysRecords) {
    EXPECT_EQ(KindsOf(Compiled(R"(<push color="side"/><push/><pop/><pop/>)")),
              (std::vector<Kind>{Kind::PushColour, Kind::PopColour, Kind::PopColour}));
}

TEST(DrawingPoints, MouthWithoutParticleSystemKeepsTheListsAligned) {
    Drawing drawing = Compiled(R"(<mouth x="1" y="8" ps="MuzzleFlashSmall"/><mouth x="-1" y="8"/>
        <mouth x="3"/><mouth y="3" ps="Lost"/>)");
    ASSERT_EQ(drawing.Mouths().size(), 2u);
    ASSERT_EQ(drawing.MouthParticleSystems().size(), 2u);
    EXPECT_EQ(drawing.MouthParticleSystems()[0], "MuzzleFlashSmall");
    EXPECT_EQ(drawing.MouthParticleSystems()[1], "");
    EXPECT_FLOAT_EQ(drawing.Mouths()[1].x, -1);
    EXPECT_FLOAT_EQ(drawing.Mouths()[1].y, 8);
    EXPECT_TRUE(drawing.Steps().empty()) << "mouths draw nothing";
}

TEST(DrawingPoints, ParticleSystemNeedsPositionAndName) {
    Drawing drawing = Compiled(R"(<particle_system x="2" y="-9" name="Exhaust"/>
        <particle_system x="2" y="-9"/><particle_system y="1" name="Steam"/>)");
    ASSERT_EQ(drawing.ParticleSystemPoints().size(), 1u);
    ASSERT_EQ(drawing.ParticleSystemNames().size(), 1u);
    EXPECT_EQ(drawing.ParticleSystemNames()[0], "Exhaust");
    EXPECT_FLOAT_EQ(drawing.ParticleSystemPoints()[0].y, -9);
}

TEST(DrawingCompile, CompilingAgainReplacesEverythingAndNeedsNoContext) {
    Drawing drawing;
    drawing.Read(Document(R"(<mouth x="1" y="1"/><line><vertex x="0" y="0"/></line>)"));
    drawing.Read(Document(R"(<particle_system x="0" y="0" name="Steam"/>)"));
    EXPECT_TRUE(drawing.Mouths().empty());
    EXPECT_TRUE(drawing.MouthParticleSystems().empty());
    EXPECT_TRUE(drawing.Steps().empty());
    EXPECT_EQ(drawing.ParticleSystemNames().size(), 1u);
    EXPECT_EQ(DrawingList(drawing), 0u) << "no display list without a GL context";
}
