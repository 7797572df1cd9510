// The drawing store: variants chosen with the game's random generator, the default drawing, and release.
#include "visuals/DrawingStore.h"

#include "tests/graphics/DrawingTestDocuments.h"
#include "random/Random.h"

#include <gtest/gtest.h>

#include <cmath>

using drawing_tests::Document;
using drawing_tests::MemoryFiles;
using Vorn::Drawing;
using Vorn::DrawingStore;
using Vorn::randomGenerator;

namespace {

// Each variant is told apart by the x of its only mouth.
MemoryFiles VariantFiles() {
    MemoryFiles files;
    for (int i = 0; i < 3; ++i) {
        files.files["graphics/stone" + std::to_string(i) + ".xml"] =
            "<mouth x=\"" + std::to_string(i) + "\" y=\"0\"/>";
    }
    files.files["graphics/blank.xml"] = R"(<mouth x="99" y="0"/>)";
    files.files["graphics/tank.xml"] = R"(<line><vertex x="0" y="0"/><vertex x="1" y="1"/></line>)";
    return files;
}

const char* const variantIndex = R"(
    <Stone src="stone0.xml"/> <Stone src="stone1.xml"/> <Tank src="tank.xml"/> <Stone src="stone2.xml"/>
    <empty src="blank.xml"/> <empty src="stone0.xml"/> <Ghost/>)";

int VariantOf(const Drawing* drawing) {
    return static_cast<int>(drawing->Mouths().at(0).x);
}

} // namespace

TEST(DrawingStore, ThreeVariantsComeUpAboutAThirdEach) {
    DrawingStore store;
    store.Load(Document(variantIndex), VariantFiles());
    ASSERT_EQ(store.Drawings().at("Stone").size(), 3u);
    randomGenerator.Seed(1802, 9373);
    int counts[3] = {};
    const int lookups = 9000;
    for (int i = 0; i < lookups; ++i) {
        ++counts[VariantOf(store.FindDrawing("Stone"))];
    }
    for (int count : counts) {
        EXPECT_NEAR(count, lookups / 3, lookups / 30);
    }
}

TEST(DrawingStore, EachLookupOfAKnownNameDrawsOneRandomValueAndPicksByIt) {
    DrawingStore store;
    store.Load(Document(variantIndex), VariantFiles());
    randomGenerator.Seed(77, 88);
    Vorn::Random expected;
    expected.Seed(77, 88);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(VariantOf(store.FindDrawing("Stone")), static_cast<int>(expected.Next() * 3));
        store.FindDrawing("Tank"); // one variant still takes its value
        expected.Next();
    }
    EXPECT_EQ(randomGenerator.Next(), expected.Next());
}

TEST(DrawingStore, UnknownNameGivesTheFirstEmptyVariantWithoutARandomDraw) {
    DrawingStore store;
    store.Load(Document(variantIndex), VariantFiles());
    randomGenerator.Seed(5, 6);
    Vorn::Random expected;
    expected.Seed(5, 6);
    const Drawing* unknown = store.FindDrawing("NoSuchThing");
    EXPECT_EQ(unknown, store.DefaultDrawing());
    EXPECT_EQ(VariantOf(unknown), 99);
    EXPECT_EQ(store.FindDrawing("Ghost"), store.DefaultDrawing()) << "an entry without src adds nothing";
    EXPECT_EQ(store.FindDrawing("stone"), store.DefaultDrawing()) << "names are case-sensitive";
    EXPECT_EQ(randomGenerator.Next(), expected.Next());
}

TEST(DrawingStore, WithoutEmptyTheDefaultDrawsNothingAndHasNoPoints) {
    DrawingStore store;
    store.Load(Document(R"(<Tank src="tank.xml"/><Missing src="nowhere.xml"/>)"), VariantFiles());
    const Drawing* fallback = store.FindDrawing("Anything");
    EXPECT_TRUE(fallback->Steps().empty());
    EXPECT_TRUE(fallback->Mouths().empty());
    EXPECT_TRUE(fallback->ParticleSystemPoints().empty());
    EXPECT_TRUE(store.FindDrawing("Missing")->Steps().empty()) << "a missing file is an empty drawing";
}

TEST(DrawingStore, ReleaseLeavesNoDanglingDefault) {
    DrawingStore store;
    store.Load(Document(variantIndex), VariantFiles());
    store.Release();
    EXPECT_TRUE(store.Drawings().empty());
    const Drawing* fallback = store.FindDrawing("Stone");
    ASSERT_NE(fallback, nullptr);
    EXPECT_TRUE(fallback->Mouths().empty()) << "the released empty variant must not be handed out";
}

TEST(DrawingStore, VariantIndexNeverReachesTheCount) {
    EXPECT_EQ(DrawingStore::VariantIndex(0.0, 3), 0u);
    EXPECT_EQ(DrawingStore::VariantIndex(0.5, 3), 1u);
    EXPECT_EQ(DrawingStore::VariantIndex(std::nextafter(1.0, 0.0), 3), 2u);
    EXPECT_EQ(DrawingStore::VariantIndex(1.0, 3), 2u);
    EXPECT_EQ(DrawingStore::VariantIndex(std::nan(""), 3), 0u);
}
