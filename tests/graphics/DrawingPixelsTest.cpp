// Drawings on screen: circles and line modes as pixels, the colour stack, the rotation rule, and the same
// random picks with and without a window, and display lists that follow their window.
#include "visuals/DrawingStore.h"

#include "datafiles/ColourTable.h"
#include "graphics/DrawingDisplay.h"
#include "random/Random.h"
#include "tests/graphics/DrawingTestDocuments.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

using drawing_tests::Document;
using drawing_tests::MemoryFiles;
using testing_support::GlTestWindow;
using testing_support::Pixel;
using Vorn::Drawing;

namespace {

constexpr int centreX = 100;
constexpr int centreY = 100;
using testing_support::black;
using testing_support::white;

// Draws the drawing in white at the centre, rotated by angle.
void DrawAtCentre(GlTestWindow& window, const std::string& text, float angle = 0) {
    window.Clear();
    Drawing drawing;
    drawing.Read(Document(text));
    ASSERT_NE(DrawingList(drawing), 0u);
    glLoadIdentity();
    glTranslatef(centreX + 0.375f, centreY + 0.375f, 0);
    glColor3ub(255, 255, 255);
    DrawDrawing(drawing, angle);
    glLoadIdentity();
}

} // namespace

TEST(DrawingPixels, CircleOfFourSegmentsIsADiamondAndFlatfrontASquareWithAFlatTop) {
    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    DrawAtCentre(window, R"(<circle r="40" s="4"/>)");
    EXPECT_EQ(window.ReadPixel(centreX, centreY + 40), white) << "a corner straight above";
    EXPECT_EQ(window.ReadPixel(centreX + 20, centreY + 20), white) << "on the upper right edge";
    EXPECT_EQ(window.ReadPixel(centreX + 20, centreY + 28), black);

    DrawAtCentre(window, R"(<circle r="40" s="4" flatfront="1"/>)");
    for (int x : {-20, 0, 20}) {
        EXPECT_EQ(window.ReadPixel(centreX + x, centreY + 28), white) << "flat top edge at x " << x;
    }
    EXPECT_EQ(window.ReadPixel(centreX, centreY + 40), black);
}

TEST(DrawingPixels, LinesDrawPairsStripsJoinAndLoopsClose) {
    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    const std::string corners = R"(<vertex x="-40" y="-40"/><vertex x="40" y="-40"/>
                                   <vertex x="40" y="40"/><vertex x="-40" y="40"/>)";
    const auto rightEdge = [&] { return window.ReadPixel(centreX + 40, centreY); };
    const auto leftEdge = [&] { return window.ReadPixel(centreX - 40, centreY); };

    DrawAtCentre(window, "<line>" + corners + "</line>");
    EXPECT_EQ(window.ReadPixel(centreX, centreY - 40), white);
    EXPECT_EQ(rightEdge(), black) << "the second and third vertex belong to different segments";
    DrawAtCentre(window, R"(<line strip="1">)" + corners + "</line>");
    EXPECT_EQ(rightEdge(), white);
    EXPECT_EQ(leftEdge(), black) << "a strip stays open";
    DrawAtCentre(window, R"(<line strip="1" loop="1">)" + corners + "</line>");
    EXPECT_EQ(leftEdge(), white);
}

TEST(DrawingPixels, PushWithoutColorLeavesPopToRestoreTheEarlierSave) {
    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    colourTable.Store("test_drawing_red", {255, 0, 0, 255});
    colourTable.Store("test_drawing_green", {0, 255, 0, 255});
    DrawAtCentre(window, R"(<push color="side"/><set color="test_drawing_red"/>
        <push/><set color="test_drawing_green"/><pop/>
        <quad><vertex x="-5" y="-5"/><vertex x="5" y="-5"/><vertex x="5" y="5"/><vertex x="-5" y="5"/></quad>)");
    EXPECT_EQ(window.ReadPixel(centreX, centreY), white) << "the pop went back to the caller's colour";
}

TEST(DrawingPixels, PositiveAngleTurnsClockwiseAndAngleZeroPushesNoMatrix) {
    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    const std::string dotAbove =
        R"(<quad><vertex x="-2" y="28"/><vertex x="2" y="28"/><vertex x="2" y="32"/><vertex x="-2" y="32"/></quad>)";
    DrawAtCentre(window, dotAbove, 90);
    EXPECT_EQ(window.ReadPixel(centreX + 30, centreY), white);
    EXPECT_EQ(window.ReadPixel(centreX, centreY + 30), black);

    // With the matrix stack full, only a drawing that pushes no matrix leaves GL without an error.
    Drawing drawing;
    drawing.Read(Document(dotAbove));
    while (glGetError() != GL_NO_ERROR) {
    }
    GLint depth = 0, maximum = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maximum);
    for (int i = depth; i < maximum; ++i) {
        glPushMatrix();
    }
    DrawDrawing(drawing, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    DrawDrawing(drawing, 45);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_STACK_OVERFLOW));
    for (int i = depth; i < maximum; ++i) {
        glPopMatrix();
    }
}

TEST(DrawingPixels, HeadlessAndWindowedStoresPickTheSameVariants) {
    MemoryFiles files;
    const char* index = R"(<Part src="a.xml"/><Part src="b.xml"/><Part src="c.xml"/><Hull src="d.xml"/>)";
    files.files["graphics/a.xml"] = R"(<mouth x="0" y="0"/><circle r="1" s="8"/>)";
    files.files["graphics/b.xml"] = R"(<mouth x="1" y="0"/><circle r="1" s="8"/>)";
    files.files["graphics/c.xml"] = R"(<mouth x="2" y="0"/><circle r="1" s="8"/>)";
    files.files["graphics/d.xml"] = R"(<mouth x="3" y="0"/><circle r="1" s="8"/>)";
    const auto picks = [](Vorn::DrawingStore& store) {
        Vorn::randomGenerator.Seed(4242, 777);
        std::vector<int> chosen;
        for (const char* name : {"Part", "Hull", "Part", "Nothing", "Part", "Part", "Hull", "Part"}) {
            chosen.push_back(static_cast<int>(store.FindDrawing(name)->Mouths().size()) == 0
                                 ? -1
                                 : static_cast<int>(store.FindDrawing(name)->Mouths()[0].x));
        }
        chosen.push_back(static_cast<int>(Vorn::randomGenerator.Next() * 1e6));
        return chosen;
    };

    Vorn::DrawingStore headless;
    headless.Load(Document(index), files);
    ASSERT_EQ(DrawingList(*headless.Drawings().at("Part").front()), 0u);
    const std::vector<int> withoutWindow = picks(headless);

    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    Vorn::DrawingStore windowed;
    windowed.Load(Document(index), files);
    EXPECT_NE(DrawingList(*windowed.Drawings().at("Part").front()), 0u);
    EXPECT_EQ(picks(windowed), withoutWindow);
}

TEST(DrawingPixels, DrawingRecordedWithoutAWindowIsReplayedOnceOneExists) {
    Drawing recordedHeadless;
    recordedHeadless.Read(Document(R"(<circle r="40" s="4"/>)"));
    ASSERT_EQ(DrawingList(recordedHeadless), 0u);
    GlTestWindow window;
    SKIP_WITHOUT_GL(window);
    window.Clear();
    glLoadIdentity();
    glTranslatef(centreX + 0.375f, centreY + 0.375f, 0);
    glColor3ub(255, 255, 255);
    DrawDrawing(recordedHeadless, 0);
    glLoadIdentity();
    EXPECT_EQ(window.ReadPixel(centreX, centreY + 40), white);
}

// Display lists die with their context: a drawing shown in a window since closed is compiled again for
// the next, never called by the number it had, which the next window may give another drawing.
TEST(DrawingPixels, ADrawingShownInAClosedWindowIsDrawnInTheNextOne) {
    Drawing diamond;
    diamond.Read(Document(R"(<circle r="40" s="4"/>)"));
    {
        GlTestWindow first;
        SKIP_WITHOUT_GL(first);
        ASSERT_NE(DrawingList(diamond), 0u);
    }
    Drawing speck;
    speck.Read(Document(R"(<line><vertex x="-90" y="-90"/><vertex x="-89" y="-90"/></line>)"));
    GlTestWindow second;
    SKIP_WITHOUT_GL(second);
    ASSERT_NE(DrawingList(speck), 0u);
    second.Clear();
    glLoadIdentity();
    glTranslatef(centreX + 0.375f, centreY + 0.375f, 0);
    glColor3ub(255, 255, 255);
    DrawDrawing(diamond, 0);
    glLoadIdentity();
    EXPECT_EQ(second.ReadPixel(centreX, centreY + 40), white);
}
