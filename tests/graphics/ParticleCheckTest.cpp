// sector-clash-check's particles area: the shipped data passes, and faults in particles.xml are named.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace testing_support;

CommandResult RunParticleCheck(const std::filesystem::path& folder) {
    return RunCommand("'" + (BinDir() / "sector-clash-check").string() + "' --only particles '" + folder.string() +
                      "' 2>&1");
}

TEST(ParticleCheck, TheShippedDataPasses) {
    const CommandResult run = RunParticleCheck(SourceDir() / "data");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST(ParticleCheck, NamesEveryFaultOfABrokenFile) {
    const auto folder = ScratchDir("particle-check");
    std::ofstream(folder / "colordef.xml") << R"(<dust r="1" g="2" b="3" a="255"/>)";
    std::ofstream(folder / "particles.xml") << R"(
        <behavior>
          <Still> <emit_time value="0"/> <emit_number value="2"/> <particle_life_time value="100"/>
                  <particle_speeed value="3"/> </Still>
          <Burst> <life_time value="10"/> <emit_time value="5"/> <emit_number value="1"/>
                  <particle_life_time value="x"/> </Burst>
        </behavior>
        <system>
          <MotionDust> <behavior value="Still"/> <texture value="puff"/> <color value="dust"/> </MotionDust>
          <ArmorFragment0> <behavior value="Burst"/> <texture value="chip"/> <color value="rust"/> </ArmorFragment0>
          <Ricochet> <behavior value="Nothing"/> <texture value="spark"/> <color value="dust"/>
                     <layer value="Ricochet"/> <layer value="Gone"/> </Ricochet>
        </system>)";
    const CommandResult run = RunParticleCheck(folder);
    EXPECT_NE(run.exitCode, 0);
    for (const char* expected : {
             "behavior/Still/emit_time: must be above 0",
             "behavior/Still/particle_speeed: unknown parameter",
             "behavior/Burst/particle_life_time: \"x\" is not a whole number",
             "behavior/Burst/emit_time: must be 1 for ArmorFragment0",
             "behavior/Burst/life_time: below",
             "behavior/Still/life_time: below 3600000 for MotionDust",
             "system/ArmorFragment0/color: \"rust\" is not in colordef.xml",
             "system/Ricochet/behavior: names no behaviour",
             "system/Ricochet/layer: \"Gone\" is not a system",
             "system/Ricochet/layer: its layers lead back to itself",
             "system/Shockwave: missing",
             "system/ExplosionTank: missing",
             "system/ArmorFragment7: missing",
         }) {
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    }
}

} // namespace
