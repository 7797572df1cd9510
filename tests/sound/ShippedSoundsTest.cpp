// The shipped "sounds.xml": read without a fault, every moment of the game has a sound, and every sound is
// heard, never clipped, as long as its recipe, and of its character: shots short, explosions longer and
// lower, the interface quiet and brief.
#include "datafiles/Node.h"
#include "sound/SoundBank.h"
#include "sound/SoundStatistics.h"
#include "sound/Synthesizer.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Vorn;

class ShippedSounds : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Brisk::Node document;
        ASSERT_EQ(document.LoadFile((testing_support::SourceDir() / "data" / soundsFileName).string()), 0);
        catalogue = new SoundCatalogue(ReadSoundCatalogue(document, &problems));
        bank = new SoundBank(*catalogue, [](const std::string&) { return std::nullopt; });
    }
    static void TearDownTestSuite() {
        delete bank;
        delete catalogue;
    }

    // The statistics of the first variant of the sound a cue plays.
    static SoundStatistics OfCue(const std::string& cue) {
        const auto mapping = std::find_if(catalogue->cues.begin(), catalogue->cues.end(),
                                          [&](const SoundCueMapping& entry) { return entry.cue == cue; });
        EXPECT_NE(mapping, catalogue->cues.end()) << cue;
        if (mapping == catalogue->cues.end())
            return {};
        return MeasureSound(bank->Sound(bank->FindSound(mapping->sound)).variants.front(), SoundSampleRate());
    }
    static std::vector<SoundStatistics> OfCuesStartingWith(const std::string& prefix) {
        std::vector<SoundStatistics> all;
        for (const SoundCueMapping& mapping : catalogue->cues)
            if (mapping.cue.starts_with(prefix))
                all.push_back(OfCue(mapping.cue));
        return all;
    }

    static inline std::vector<SoundProblem> problems;
    static inline SoundCatalogue* catalogue = nullptr;
    static inline SoundBank* bank = nullptr;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

TEST_F(ShippedSounds, ReadWithoutAFaultAndEveryMomentHasASound) {
    for (const SoundProblem& problem : problems)
        ADD_FAILURE() << problem.element << ": " << problem.message;
    for (WorldEventKind kind : cuedKinds) {
        EXPECT_GE(bank->CueOfEvent(kind, -1), 0) << KindCueName(kind);
        for (int detail = 0; detail < CueDetailCount(kind); ++detail)
            EXPECT_GE(bank->CueOfEvent(kind, detail), 0) << DetailCueName(kind, detail);
    }
    for (int cue = 0; cue < interfaceCueCount; ++cue)
        EXPECT_GE(bank->CueOfInterface(static_cast<InterfaceCue>(cue)), 0)
            << InterfaceCueName(static_cast<InterfaceCue>(cue));
}

TEST_F(ShippedSounds, EverySoundIsHeardUnclippedAndAsLongAsItsRecipe) {
    for (int index = 0; index < bank->SoundCount(); ++index) {
        const BankSound& sound = bank->Sound(index);
        const SoundRecipe& recipe = *catalogue->FindSound(sound.name);
        for (const std::vector<float>& variant : sound.variants) {
            const SoundStatistics statistics = MeasureSound(variant, SoundSampleRate());
            EXPECT_GT(ToDecibels(statistics.peak), -40) << sound.name << " is silent";
            EXPECT_LT(ToDecibels(statistics.peak), -0.5) << sound.name << " clips";
            EXPECT_NEAR(statistics.lengthMs, recipe.Length(), 1.0) << sound.name;
        }
    }
}

TEST_F(ShippedSounds, ShotsArePunchyExplosionsLongerAndLowerTheInterfaceQuietAndBrief) {
    const std::vector<SoundStatistics> shots = OfCuesStartingWith("Shot");
    const std::vector<SoundStatistics> explosions = OfCuesStartingWith("Explosion");
    std::vector<double> shotLengths, explosionLengths, shotCrossings, explosionCrossings;
    for (const SoundStatistics& shot : shots) {
        EXPECT_LT(shot.audibleMs, 500);
        EXPECT_GT(ToDecibels(shot.peak), -8) << "a shot is sharp";
        shotLengths.push_back(shot.audibleMs);
        shotCrossings.push_back(shot.crossingsPerSecond);
    }
    for (const SoundStatistics& explosion : explosions) {
        EXPECT_GT(explosion.audibleMs, 300);
        explosionLengths.push_back(explosion.audibleMs);
        explosionCrossings.push_back(explosion.crossingsPerSecond);
    }
    EXPECT_GT(Median(explosionLengths), 2 * Median(shotLengths));
    EXPECT_LT(Median(explosionCrossings), Median(shotCrossings));
    EXPECT_GT(OfCue("Explosion.ExplosionBuilding").audibleMs, OfCue("Explosion.ExplosionGrenade").audibleMs);

    for (const char* cue : {"Interface.Click", "Interface.Hover"}) {
        const SoundStatistics statistics = OfCue(cue);
        EXPECT_LT(ToDecibels(statistics.peak), -15) << cue;
        EXPECT_LT(statistics.lengthMs, 60) << cue;
    }
}

} // namespace
